#!/usr/bin/env bash
# The peer comparison: the C++ benchmark of the work (peers_bench) and the same work in four
# JavaScript libraries (peers.mjs), run in turns on one CPU core, and a table of the medians in
# nanoseconds per day with how many times slower each library is than the typed BS date.
#   bench/peers/run.sh [BUILD_DIR] [ROUNDS]     (defaults: build/release, 3 rounds)
# Needs node and npm (the packages are installed into bench/peers/node_modules on first run),
# taskset and python3. Set CPU=n to choose the core (default 1).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../../build/release}")
rounds=${2:-3}
cpu=${CPU:-1}
bench="$build/bench/peers_bench"
[[ -x $bench ]] || { echo "run.sh: build the peers_bench target first ($bench)" >&2; exit 2; }
[[ -d $here/node_modules ]] || (cd "$here" && npm ci --no-audit --no-fund >&2)

results="$here/results"
rm -rf "$results" && mkdir -p "$results"
for round in $(seq "$rounds"); do
  echo "run.sh: round $round of $rounds" >&2
  taskset -c "$cpu" "$bench" --benchmark_repetitions=5 --benchmark_format=json \
    > "$results/cpp_$round.json"
  (cd "$here" && TZ=UTC taskset -c "$cpu" node peers.mjs 15) > "$results/js_$round.jsonl"
done

python3 - "$results" "$rounds" <<'PY'
import json, statistics, sys
folder, rounds = sys.argv[1], int(sys.argv[2])
cpp, js = {}, {}
for r in range(1, rounds + 1):
    for b in json.load(open(f"{folder}/cpp_{r}.json"))["benchmarks"]:
        if b.get("run_type") != "iteration":
            continue
        # cpu_time is one pass over the days, in the benchmark's unit (microseconds).
        cpp.setdefault(b["run_name"], []).append(b["cpu_time"] * 1000 / b["days"])
    for line in open(f"{folder}/js_{r}.jsonl"):
        row = json.loads(line)
        js.setdefault((row["library"], row["direction"]), []).append(row["ns_per_day"])
med = {k: statistics.median(v) for k, v in cpp.items()}
typed = {"bs_to_ad": med["BM_TypedBsToAd"], "ad_to_bs": med["BM_TypedAdToBs"]}
rows = [("sauramiti typed date (C++)", med["BM_TypedBsToAd"], med["BM_TypedAdToBs"]),
        ("sauramiti methods + parse (C++)", med["BM_MethodBsToAd"], med["BM_MethodAdToBs"])]
for lib in sorted({k[0] for k in js}):
    rows.append((lib, statistics.median(js[(lib, "bs_to_ad")]),
                 statistics.median(js[(lib, "ad_to_bs")])))
print("| implementation | BS→AD ns/day | AD→BS ns/day | × typed BS→AD | × typed AD→BS |")
print("|---|---:|---:|---:|---:|")
for name, to_ad, to_bs in rows:
    print(f"| {name} | {to_ad:.1f} | {to_bs:.1f} | {to_ad / typed['bs_to_ad']:.0f}× "
          f"| {to_bs / typed['ad_to_bs']:.0f}× |")
PY

// How long a document takes to load and save: a control's own settings (a normal document, about
// 1 KB) and the largest document the limits accept (1024 keys of long texts, just under 1 MiB).
// Load reads and checks the file; Save writes a private temporary file, flushes it and its
// folder to the disk and renames it over the target, so its time depends on the file system of
// the folder it runs in ($TMPDIR, else /tmp): on a disk the two flushes dominate. The Text
// variants leave the file system out.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/document/document_limits.hpp>
#include <sauramiti/document/json_property_bag.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <string>

namespace {

namespace fs = std::filesystem;
using sauramiti::Variant;
using sauramiti::document::JsonPropertyBag;

JsonPropertyBag NormalDocument() {
  sauramiti::headless::HeadlessHost host;
  host.SetToday({2002, 4, 14});
  sauramiti::Sauramiti control(host);
  control.Initialize();
  control.InitProperties();
  control.MaxYear(Variant::String("2090"));
  control.English(0);
  JsonPropertyBag bag;
  control.WriteProperties(bag);
  return bag;
}

JsonPropertyBag LargestDocument() {
  JsonPropertyBag bag;
  for (std::size_t i = 0; i < sauramiti::document::kMaxStoredKeys; ++i) {
    bag.WriteProperty("Key" + std::to_string(i), Variant::String(std::string(950, 'x')), Variant());
  }
  if (bag.ToJsonText().size() > sauramiti::document::kMaxDocumentBytes) {
    throw std::logic_error("the largest document is beyond the size limit");
  }
  return bag;
}

// A folder of its own for the benchmark's files, removed at the end.
class Folder {
 public:
  Folder() {
    std::string pattern = (fs::temp_directory_path() / "sauramiti-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    path_ = pattern;
  }
  ~Folder() { fs::remove_all(path_); }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  fs::path File() const { return path_ / "form.json"; }

 private:
  fs::path path_;
};

void Load(benchmark::State& state, const JsonPropertyBag& document) {
  const Folder folder;
  document.Save(folder.File());
  for (auto _ : state) benchmark::DoNotOptimize(JsonPropertyBag::Load(folder.File()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(fs::file_size(folder.File())));
}

void Save(benchmark::State& state, const JsonPropertyBag& document) {
  const Folder folder;
  for (auto _ : state) document.Save(folder.File());
}

void ParseText(benchmark::State& state, const JsonPropertyBag& document) {
  const std::string text = document.ToJsonText();
  for (auto _ : state) benchmark::DoNotOptimize(JsonPropertyBag::FromJsonText(text, "bench"));
}

void WriteText(benchmark::State& state, const JsonPropertyBag& document) {
  for (auto _ : state) benchmark::DoNotOptimize(document.ToJsonText());
}

void BM_LoadNormal(benchmark::State& state) { Load(state, NormalDocument()); }
void BM_SaveNormal(benchmark::State& state) { Save(state, NormalDocument()); }
void BM_ParseTextNormal(benchmark::State& state) { ParseText(state, NormalDocument()); }
void BM_WriteTextNormal(benchmark::State& state) { WriteText(state, NormalDocument()); }
void BM_LoadLargest(benchmark::State& state) { Load(state, LargestDocument()); }
void BM_SaveLargest(benchmark::State& state) { Save(state, LargestDocument()); }
void BM_ParseTextLargest(benchmark::State& state) { ParseText(state, LargestDocument()); }
void BM_WriteTextLargest(benchmark::State& state) { WriteText(state, LargestDocument()); }

// Refused documents must be as quick: 80,000 keys in under a megabyte stop at key 1025.
void BM_RefuseTooManyKeys(benchmark::State& state) {
  std::string text = "{";
  for (int i = 0; i < 80000; ++i) text += "\"k" + std::to_string(i) + "\":1,";
  text.back() = '}';
  for (auto _ : state) {
    try {
      JsonPropertyBag::FromJsonText(text, "bench");
    } catch (const sauramiti::document::DocumentError&) {
    }
  }
}

}  // namespace

BENCHMARK(BM_LoadNormal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveNormal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseTextNormal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteTextNormal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseTextLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteTextLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefuseTooManyKeys)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

// The file name a saved document gets.
//
// Documents are JSON files named "*.json": a name typed without a suffix ("doc1") gets ".json"
// ("doc1.json"), so that File Open's filter lists it again. A name with a suffix of its own keeps
// it ("notes.txt" stays as it is: the user chose it). A name ending in a dot has an empty suffix
// and gets "json" after the dot; the leading dot of a hidden file (".picker") is not a suffix.
#pragma once

#include <QString>

namespace sauramiti::qt::demo {

inline constexpr char kDocumentSuffix[] = "json";

QString WithDocumentSuffix(const QString& path);

}  // namespace sauramiti::qt::demo

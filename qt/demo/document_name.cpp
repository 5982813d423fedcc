#include <QFileInfo>
#include <qt/demo/document_name.hpp>

namespace sauramiti::qt::demo {

QString WithDocumentSuffix(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  if (name.isEmpty()) return path;  // a folder: nothing to name
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  if (dot > 0 && dot + 1 < name.size()) return path;
  const QString suffix = QString::fromLatin1(kDocumentSuffix);
  return dot > 0 ? path + suffix : path + QLatin1Char('.') + suffix;
}

}  // namespace sauramiti::qt::demo

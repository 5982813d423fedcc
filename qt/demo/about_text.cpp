#include <QFileInfo>
#include <QUrl>
#include <qt/demo/about_text.hpp>

namespace sauramiti::qt::demo {

QString DocumentationReadme() {
  const QString installed = QStringLiteral(SAURAMITI_DOC_DIR "/README.md");
  if (QFileInfo::exists(installed)) return installed;
  return QStringLiteral(SAURAMITI_SOURCE_DIR "/README.md");
}

QString AboutText() {
  const QString readme = DocumentationReadme();
  const QString link = QUrl::fromLocalFile(readme).toString(QUrl::FullyEncoded);
  return QStringLiteral(
             "<h3>Sauramiti %1</h3>"
             "<p>A date picker for the Bikram Sambat calendar of Nepal, here on a demo form: "
             "set its properties, switch between design and run mode, save and open documents "
             "and watch its events.</p>"
             "<p>Released under the MIT licence (see the LICENSE file beside the README).</p>"
             "<p>Documentation: <a href=\"%2\">%3</a>, the <code>docs/</code> folder beside it, "
             "and <code>man sauramiti</code> for the command.</p>")
      .arg(QStringLiteral(SAURAMITI_VERSION), link, readme.toHtmlEscaped());
}

}  // namespace sauramiti::qt::demo

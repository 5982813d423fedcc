#include <sauramiti/view/legacy_font_transcoder.hpp>
#include <terminal/view_picture.hpp>

namespace sauramiti::terminal {

namespace {

std::string Written(const std::string& text, Script script) {
  return script == Script::Devanagari ? view::LegacyFontToUnicode(text) : text;
}

LabelPicture PictureOf(const platform::Label& label, Script script) {
  LabelPicture picture;
  picture.text = Written(label.Caption(), script);
  picture.enabled = label.Enabled();
  picture.selectedLook = label.S3() == 0;
  picture.foreColor = label.ForeColor();
  picture.backColor = label.BackColor();
  return picture;
}

// The headers of a vertical arrangement go down the left side, those of a horizontal one across
// the top; the last header lies below or beside the first accordingly.
Arrangement ArrangementOf(const view::ChildControls& controls, std::int16_t verticalProperty) {
  const platform::Label& first = *controls.lblWD.front();
  const platform::Label& last = *controls.lblWD.back();
  if (last.Top() > first.Top()) return Arrangement::Vertical;
  if (last.Left() > first.Left()) return Arrangement::Horizontal;
  return verticalProperty == 0 ? Arrangement::Horizontal : Arrangement::Vertical;
}

}  // namespace

ViewPicture TakeViewPicture(const view::ChildControls& controls, std::int16_t verticalProperty,
                            Script script) {
  ViewPicture picture;
  picture.bsPanel = PictureOf(*controls.Label1, script);
  picture.adPanel = PictureOf(*controls.Label2, script);
  picture.yearText = Written(controls.cboYear->Text(), script);
  picture.monthText = Written(controls.CBoMonth->Text(), script);
  picture.listsEnabled = controls.cboYear->Enabled() && controls.CBoMonth->Enabled();
  for (std::size_t i = 0; i < picture.headers.size(); ++i) {
    picture.headers[i] = PictureOf(*controls.lblWD[i], script);
  }
  for (std::size_t j = 0; j < picture.days.size(); ++j) {
    picture.days[j] = PictureOf(*controls.lblDay[j], script);
  }
  picture.arrangement = ArrangementOf(controls, verticalProperty);
  return picture;
}

}  // namespace sauramiti::terminal

#include <sauramiti/navigation/day_cells.hpp>
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
  picture.corner = Written(label.CornerText(), script);
  picture.enabled = label.Enabled();
  picture.selectedLook = label.S3() == 0;
  picture.outlined = label.Outlined();
  picture.foreColor = label.ForeColor();
  picture.backColor = label.BackColor();
  return picture;
}

// The arrangement as shown: the navigation layer reads it off the weekday headers.
Arrangement ArrangementOf(const view::ChildControls& controls, std::int16_t verticalProperty) {
  return navigation::ShowsWeeksInColumns(controls, verticalProperty) ? Arrangement::Vertical
                                                                     : Arrangement::Horizontal;
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
  const bool sixthWeek = controls.lblDay[view::kDayCellCount]->Visible();
  const std::size_t cells = sixthWeek ? view::kMaxDayCellCount : view::kDayCellCount;
  for (std::size_t j = 0; j < cells; ++j) {
    picture.days.push_back(PictureOf(*controls.lblDay[j], script));
  }
  picture.arrangement = ArrangementOf(controls, verticalProperty);
  return picture;
}

}  // namespace sauramiti::terminal

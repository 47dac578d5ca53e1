// The tax-rate switch on the main window: the stored rates and switch at start, the three ways to
// throw it (Opt item, right-click item, the rate label's popup) and the label on any skin.
#include <filesystem>

#include "main_window_fixture.h"
#include "tax_rate_label.h"

namespace {

class TaxRateSwitchTest : public MainWindowTest {
 protected:
  std::string TaxIncludedOf1000() {
    for (const char* key : {"btCA", "bt1", "bt0", "bt0", "bt0", "btZeikomi"}) Click(key);
    return Display();
  }
};

}  // namespace

TEST_F(TaxRateSwitchTest, StoredRatesAndSwitchAreWhatTheTaxKeyAndTheLabelUseFromTheStart) {
  struct Row {
    std::vector<std::pair<const char*, const char*>> tax;  // the Tax section
    const char* label;
    const char* spoken;
    bool ticked;
    std::string taxIncluded;
    const char* refused = "";              // what the message at start names
    const char* storedAfter = "0.05 0.08";  // Zeiritu and KeigenZeiritu in the file then
  };
  const Row rows[] = {
      {{}, "10%", "税率: 標準 10%", false, "1100", "", " "},
      {{{"Zeiritu", "0.05"}}, "5%", "税率: 標準 5%", false, "1050", "", "0.05 "},  // a kept rate is never changed
      {{{"KeigenOn", "1"}}, "軽8%", "税率: 軽減 8%", true, "1080", "", " "},
      // A rate that is not a plain decimal from 0 to 100 % is refused, said and replaced by the
      // default; the rest of the file stays as it is.
      {{{"Zeiritu", "0.05"}, {"KeigenZeiritu", "abc"}, {"KeigenOn", "1"}}, "軽8%", "税率: 軽減 8%", true, "1080",
       "KeigenZeiritu=abc"},
      {{{"Zeiritu", "-0.08"}}, "10%", "税率: 標準 10%", false, "1100", "Zeiritu=-0.08", "0.1 "},
      {{{"Zeiritu", "1e308"}, {"KeigenZeiritu", "0.065"}}, "10%", "税率: 標準 10%", false, "1100", "Zeiritu=1e308", "0.1 0.065"},
      {{{"Zeiritu", "８"}, {"KeigenZeiritu", "10%"}, {"KeigenOn", "1"}}, "軽8%", "税率: 軽減 8%", true, "1080",
       "Zeiritu=８", "0.1 0.08"},
      {{{"Zeiritu", "1.5"}, {"KeigenZeiritu", "NaN"}}, "10%", "税率: 標準 10%", false, "1100", "KeigenZeiritu=NaN", "0.1 0.08"},
  };
  collectErrors_ = true;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label + std::string(" ") + row.refused);
    window_.reset();
    errors_.clear();
    std::filesystem::remove(folder_.MainSettings());
    WriteSetting("Net", "ServerUrl", server_.BaseUrl().toStdString());
    for (const auto& [key, value] : row.tax) WriteSetting("Tax", key, value);
    Open();
    auto* label = window_->findChild<QLabel*>(QStringLiteral("labZei"));
    EXPECT_EQ(label->text(), row.label);
    EXPECT_EQ(label->accessibleName(), row.spoken);
    EXPECT_EQ(window_->Menus()["Mb_Keigen"]->isChecked(), row.ticked);
    EXPECT_EQ(window_->Menus()["MigiKuriPop_Keigen"]->isChecked(), row.ticked);
    EXPECT_EQ(TaxIncludedOf1000(), row.taxIncluded);
    EXPECT_EQ(errors_.size(), row.refused[0] == 0 ? 0 : 1);
    EXPECT_TRUE(errors_.join(QString()).contains(QString::fromUtf8(row.refused)));
    EXPECT_EQ(Setting("Tax", "Zeiritu") + " " + Setting("Tax", "KeigenZeiritu"), row.storedAfter);
    EXPECT_EQ(Setting("Tax", "KeigenOn"), row.ticked ? "1" : "");
  }
}

TEST_F(TaxRateSwitchTest, EachWayOfThrowingTheSwitchIsKeptAndShownEverywhere) {
  Open();
  auto* label = window_->findChild<TaxRateLabel*>(QStringLiteral("labZei"));
  QMenu* popup = label->Popup();
  auto item = [popup](const char* name) { return popup->findChild<QAction*>(QString::fromLatin1(name)); };

  window_->Menus()["Mb_Keigen"]->trigger();
  EXPECT_EQ(Setting("Tax", "KeigenOn"), "1");
  EXPECT_TRUE(window_->Menus()["MigiKuriPop_Keigen"]->isChecked());
  EXPECT_EQ(label->text(), "軽8%");
  EXPECT_EQ(TaxIncludedOf1000(), "1080");

  window_->Menus()["MigiKuriPop_Keigen"]->trigger();
  EXPECT_EQ(Setting("Tax", "KeigenOn"), "0");
  EXPECT_FALSE(window_->Menus()["Mb_Keigen"]->isChecked());
  EXPECT_EQ(label->text(), "10%");

  QTest::mouseClick(label, Qt::LeftButton);
  ASSERT_TRUE(popup->isVisible());
  EXPECT_EQ(item("ZeiPop1")->text(), "標準税率 10% (&S)");
  EXPECT_EQ(item("ZeiPop2")->text(), "軽減税率 8% (&L)");
  EXPECT_TRUE(item("ZeiPop1")->isChecked());
  popup->close();
  for (int i = 0; i < 2; ++i) {  // choosing the rate already in use leaves it in use
    item("ZeiPop2")->trigger();
    EXPECT_TRUE(window_->Menus()["Mb_Keigen"]->isChecked()) << i;
    EXPECT_TRUE(item("ZeiPop2")->isChecked()) << i;
    EXPECT_FALSE(item("ZeiPop1")->isChecked()) << i;
  }
  EXPECT_EQ(Setting("Tax", "KeigenOn"), "1");
  EXPECT_EQ(TaxIncludedOf1000(), "1080");
  item("ZeiPop1")->trigger();
  EXPECT_EQ(TaxIncludedOf1000(), "1100");

  QTest::mouseClick(label, Qt::RightButton);
  EXPECT_TRUE(window_->Menus().migiKuriPop->isVisible());
  window_->Menus().migiKuriPop->close();
}

TEST_F(TaxRateSwitchTest, TheLabelStaysReadableOnADarkOrALightPanel) {
  Open();
  auto* label = window_->findChild<QLabel*>(QStringLiteral("labZei"));
  kelvo::Renderer& renderer = window_->Renderer();
  const std::pair<QColor, QColor> rows[] = {{QColor(10, 20, 60), Qt::white}, {QColor(200, 220, 190), Qt::black}};
  for (const auto& [panel, text] : rows) {
    for (const kelvo::SkinPart part : {kelvo::SkinPart::BackPanel, kelvo::SkinPart::DigitalPanel}) {
      QImage sheet = renderer.Sheet(part);
      sheet.fill(panel);
      renderer.SetSheet(part, sheet);
    }
    renderer.BuildPanelComposite();
    EXPECT_EQ(label->palette().color(QPalette::WindowText), text) << panel.name().toStdString();
  }
}

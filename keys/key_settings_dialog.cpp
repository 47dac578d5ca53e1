#include "key_settings_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "display_label_look.h"
#include "key_assignment.h"
#include "key_entry.h"
#include "key_names.h"
#include "keyboard_layout.h"
#include "settings_file.h"
#include "spoken_face.h"
#include "spoken_message.h"
#include "virtual_key.h"

namespace kelvo {

KeyField::KeyField(int slot, QWidget* parent) : QLineEdit(parent), slot_(slot) {
  setObjectName(QStringLiteral("txt") + QString::fromStdString(KeySlotIniName(slot)));
  setProperty("tag", slot);
  setReadOnly(true);
  setAlignment(Qt::AlignCenter);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void KeyField::keyPressEvent(QKeyEvent* event) {
  event->accept();
  emit keyTyped(slot_, VirtualKeyCode(*event), event->modifiers() & Qt::ShiftModifier);
}

}  // namespace kelvo

namespace {

using kelvo::KeySlotIniName;

// The keypad grid: five columns, rows of a caption above a field.
constexpr int kColumnLeft = 4, kColumnPitch = 57, kCellWidth = 54;
constexpr int kGridTop = 82, kRowPitch = 42, kCaptionHeight = 14, kFieldHeight = 21;
constexpr int kBottomRowTop = 406;  // the window commands, inside the dotted frame
constexpr QRect kBottomFrame{3, 400, 284, 48};
constexpr int kWindowWidth = 290, kWindowHeight = 519;  // at the usual 12-pixel font

int ColumnX(int column) { return kColumnLeft + (column - 1) * kColumnPitch; }
int RowTop(int row) { return row == 9 ? kBottomRowTop : kGridTop + (row - 1) * kRowPitch; }

// Where a slot's caption and field lie: the row and column of the caption; the field sits under
// it, except that the plus field sits a row lower (the plus key spans two rows) and the second
// C field directly under the C field, without a caption of its own.
struct Cell {
  int slot;  // 0: a caption without a field (the equals key)
  int row, column;
};
constexpr Cell kCells[] = {
    {9, 1, 2},  {10, 1, 3}, {11, 1, 4}, {12, 1, 5},                //  √ 検算 税込 税抜
    {2, 2, 1},  {13, 2, 2}, {14, 2, 3}, {15, 2, 4}, {16, 2, 5},    //  CE → +/- GT CA
    {3, 3, 1},  {1, 3, 2},  {20, 3, 3}, {19, 3, 4}, {18, 3, 5},    //  MC ％ ÷ × －
    {4, 4, 1},  {33, 4, 2}, {34, 4, 3}, {35, 4, 4}, {17, 4, 5},    //  MR 7 8 9 ＋
    {5, 5, 1},  {30, 5, 2}, {31, 5, 3}, {32, 5, 4},                //  M+ 4 5 6
    {6, 6, 1},  {27, 6, 2}, {28, 6, 3}, {29, 6, 4}, {0, 6, 5},     //  M- 1 2 3 ＝
    {7, 7, 1},  {36, 7, 2}, {37, 7, 3}, {21, 7, 4},                //  C 0 00 ・
    {8, 8, 1},                                                     //  the second C
    {26, 9, 1}, {22, 9, 2}, {23, 9, 3}, {24, 9, 4}, {25, 9, 5},    //  数式 キー設定 ミニ 拡大 ボタン表示
};
constexpr int kPlusSlot = 17, kSecondCSlot = 8;

QRect CaptionRect(const Cell& cell) { return {ColumnX(cell.column), RowTop(cell.row), kCellWidth, kCaptionHeight}; }

QRect FieldRect(const Cell& cell) {
  if (cell.slot == kSecondCSlot) return {ColumnX(1), RowTop(7) + kCaptionHeight + 2 + kFieldHeight + 2, kCellWidth, kFieldHeight};
  const int row = cell.slot == kPlusSlot ? cell.row + 1 : cell.row;
  return {ColumnX(cell.column), RowTop(row) + kCaptionHeight + 1, kCellWidth, kFieldHeight};
}

// The colour of a slot's caption block, as on the calculator's keys.
QColor CaptionColour(int slot) {
  switch (slot) {
    case 1: case 17: case 18: case 19: case 20: return {239, 239, 239};    // ％ ＋ － × ÷
    case 2: case 7: case 8: return {255, 48, 99};                          // CE C
    case 3: case 4: case 5: case 6: return {156, 159, 255};                // MC MR M+ M-
    case 0: case 9: case 10: case 13: case 14: case 15: case 16: return {99, 101, 99};  // ＝ √ 検算 → +/- GT CA
    case 11: case 12: return {255, 101, 0};                                // 税込 税抜
    default: return Qt::black;                                             // digits, 00, ・, commands
  }
}

void ColourCaption(QLabel* caption, int slot) {
  const QColor block = CaptionColour(slot);
  QPalette palette = caption->palette();
  palette.setColor(QPalette::Window, block);
  // Black or white, whichever reads better: every block reads at 4.5:1 or more.
  palette.setColor(QPalette::WindowText, kelvo::ReadableTextOn(block));
  caption->setPalette(palette);
}

// A slot as a screen reader names it: its key in words ("ルート" for the INI key Route), or the
// window command it gives.
QString SpokenSlotName(int slot) {
  const int keyCode = kelvo::KeySlotKeyCode(slot);
  return keyCode != 0 ? kelvo::SpokenKeyName(keyCode) : QString::fromStdString(kelvo::KeySlotLabel(slot));
}

// A dark box, so that every message colour reads at 4.5:1 or more: white 13:1, yellow 12:1, and
// red, lightened to #FF7070, 4.9:1 (pure red on the former mid-grey box was 1:1).
constexpr QColor kMessageBackground{48, 48, 48};

QColor ReadableMessageColour(std::uint32_t colour) {
  return colour == kelvo::kMessageRed ? QColor(0xFF, 0x70, 0x70) : QColor::fromRgb(colour);
}

}  // namespace

TfrmKeySet::TfrmKeySet(kelvo::SideWindowHost& host, QWidget* parent)
    : QWidget(parent, kelvo::kSideWindowFlags),
      host_(host) {
  kelvo::SetUpSideWindowFrame(*this, "frmKeySet", QStringLiteral("キー設定"), {kWindowWidth, kWindowHeight},
                              kelvo::Activation::LeavesKeyboard);

  chkRock_ = new QCheckBox(QStringLiteral("編集のロック (&R)"), this);
  chkRock_->setObjectName(QStringLiteral("chkRock"));
  chkRock_->setGeometry(6, 6, 124, 20);
  connect(chkRock_, &QCheckBox::toggled, this, [this](bool locked) {
    ShowMessage(locked ? QStringLiteral("※編集を行う時にはロックを解除してください。\n[Space]キーで該当キーの登録を削除出来ます。")
                       : QStringLiteral("*ロックを解除しました* \n 該当する枠内で、新しく割り当てるキーを入力して下さい。"));
  });
  auto* hint = new QLabel(QStringLiteral("[Tab]で移動。　[Spc]で消去。"), this);
  hint->setObjectName(QStringLiteral("Label25"));
  hint->setGeometry(132, 6, 154, 20);

  txtMsg_ = new QLabel(this);
  txtMsg_->setObjectName(QStringLiteral("txtMsg"));
  txtMsg_->setGeometry(4, 30, 282, 46);  // room for a long line that wraps
  txtMsg_->setWordWrap(true);
  txtMsg_->setAutoFillBackground(true);
  txtMsg_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette messagePalette = txtMsg_->palette();
  messagePalette.setColor(QPalette::Window, kMessageBackground);
  messagePalette.setColor(QPalette::WindowText, Qt::white);
  txtMsg_->setPalette(messagePalette);

  // Fields in the order of the keypad, which is the order Tab walks them.
  QFont captionFont = font();
  captionFont.setPixelSize(11);
  for (const Cell& cell : kCells) {
    const QString label = cell.slot == 0 ? QStringLiteral("＝") : QString::fromStdString(kelvo::KeySlotLabel(cell.slot));
    auto* caption = new QLabel(label, this);
    caption->setObjectName(QStringLiteral("lab") +
                           (cell.slot == 0 ? QStringLiteral("Eq") : QString::fromStdString(KeySlotIniName(cell.slot))));
    caption->setGeometry(CaptionRect(cell));
    caption->setAlignment(Qt::AlignCenter);
    caption->setFont(captionFont);
    caption->setAutoFillBackground(true);
    caption->setProperty("slot", cell.slot);
    if (cell.slot == kSecondCSlot) caption->hide();
    if (cell.slot == 0) continue;
    auto* field = new kelvo::KeyField(cell.slot, this);
    field->setGeometry(FieldRect(cell));
    field->setAccessibleName(cell.slot == kSecondCSlot ? QStringLiteral("C2") : label);
    connect(field, &kelvo::KeyField::keyTyped, this, &TfrmKeySet::txtKeyDown);
    fields_[static_cast<size_t>(cell.slot)] = field;
  }

  auto* defaults = new QPushButton(QStringLiteral("初期値に戻す (&D)"), this);
  defaults->setObjectName(QStringLiteral("btDef"));
  defaults->setGeometry(4, 480, 130, 30);
  connect(defaults, &QPushButton::clicked, this, &TfrmKeySet::btDefClick);
  auto* close = new QPushButton(QStringLiteral("Close (&X)"), this);
  close->setObjectName(QStringLiteral("btClose"));
  close->setGeometry(186, 480, 100, 30);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  chkRock_->setChecked(true);  // opens locked, which shows the lock message
}

void TfrmKeySet::showEvent(QShowEvent* event) {
  for (int slot = 1; slot <= kelvo::kKeySlotCount; ++slot) ShowSlot(slot);
  for (QLabel* caption : findChildren<QLabel*>())
    if (caption->property("slot").isValid()) ColourCaption(caption, caption->property("slot").toInt());
  QWidget::showEvent(event);
}

void TfrmKeySet::closeEvent(QCloseEvent* event) {
  host_.SideWindowClosed(kId);
  QWidget::closeEvent(event);
}

void TfrmKeySet::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const double scale = double(width()) / kWindowWidth;  // the window grows with a larger desktop font
  painter.scale(scale, scale);
  painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
  painter.drawRect(kBottomFrame);
}

void TfrmKeySet::ShowMessage(const QString& text, std::optional<std::uint32_t> colour, int namedSlot) {
  txtMsg_->setText(text);
  QString spoken = text;
  if (namedSlot > 0) spoken.replace(QString::fromStdString(KeySlotIniName(namedSlot)), SpokenSlotName(namedSlot));
  kelvo::Announce(this, spoken);
  if (!colour) return;
  QPalette palette = txtMsg_->palette();
  palette.setColor(QPalette::WindowText, ReadableMessageColour(*colour));
  txtMsg_->setPalette(palette);
}

void TfrmKeySet::ShowSlot(int slot) {
  const std::string name = kelvo::KeySlotFieldName(slot, kelvo::KeyAssignment[slot], kelvo::CurrentKeyboardLayout());
  fields_[static_cast<size_t>(slot)]->setText(QString::fromStdString(name));
}

void TfrmKeySet::txtKeyDown(int slot, int vk, bool shift) {
  const kelvo::KeyEntry entry = kelvo::DecideKeyEntry(slot, vk, shift, chkRock_->isChecked(), kelvo::KeyAssignment);
  if (!entry.message.empty()) ShowMessage(QString::fromStdString(entry.message), entry.colour, entry.namedSlot);
  if (!entry.store) return;
  // The key moves in one change of the file: the slot that gave it up and the slot that took it.
  kelvo::IniFile file(host_.SettingsFilePath());
  for (const auto& [changed, code] : {std::pair{entry.clearedSlot, 0}, std::pair{slot, entry.code}}) {
    if (changed <= 0) continue;
    kelvo::KeyAssignment[changed] = code;
    ShowSlot(changed);
    file.WriteInteger(kelvo::ini::kKeySet, KeySlotIniName(changed), code);
  }
  host_.ReportFailedWrite(file.Flush());
}

void TfrmKeySet::btDefClick() {
  kelvo::IniFile file(host_.SettingsFilePath());
  kelvo::KeyAssignment.fill(0);
  for (int slot = 1; slot <= kelvo::kKeySlotCount; ++slot) {
    kelvo::KeyAssignment[slot] = kelvo::KeySlotDefault(slot);
    ShowSlot(slot);
    file.WriteInteger(kelvo::ini::kKeySet, KeySlotIniName(slot), kelvo::KeySlotDefault(slot));
  }
  ShowMessage(QStringLiteral("初期値の設定に戻しました。"), kelvo::kMessageWhite);
  host_.ReportFailedWrite(file.Flush());
}

#include "moc_key_settings_dialog.cpp"

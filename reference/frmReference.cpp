#include "reference/frmReference.h"

#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/units.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

#include <array>
#include <cstdint>

namespace {

enum class Style { Heading, Numeral, Text };

// One label of the sheet, in twips; every label is 195 twips high.
struct Entry {
    int left;
    int top;
    int width;
    Style style;
    std::uint32_t color; // &H00BBGGRR
    const char* text; // translated where marked
};

using ui::kBlack;
using ui::kBrightGreen; // heading text
using ui::kDarkGreen; // heading background and the line
using ui::kWhite;
using ui::kYellow; // the rows of I, IV and V

constexpr int kRowHeight = 195;

// The table names the styles bare, so that a row with its marked text fits on a line. The
// numerals written with the full-width Ｉ are marked too: English writes them with plain letters.
using enum Style;

// clang-format off
constexpr std::array<Entry, 65> kSheet { {
    // The degree names: numeral, English, katakana, Japanese. In English, where the last two
    // would only repeat the name, they say where the degree lies and give its sol-fa syllable.
    {   60,   60, 3735, Heading, kBrightGreen, QT_TRANSLATE_NOOP("frmReference", "音の名称") },
    {   60,  300,  435, Numeral, kYellow, "I" },
    {  540,  300, 1080, Text,    kYellow, "Tonic" },
    { 1650,  300, 1485, Text,    kYellow, QT_TRANSLATE_NOOP("frmReference", "トニック") },
    { 3165,  300,  600, Text,    kYellow, QT_TRANSLATE_NOOP("frmReference", "主音") },
    {   60,  540,  435, Numeral, kWhite,  QT_TRANSLATE_NOOP("frmReference", "ＩＩ") },
    {  540,  540, 1080, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "SuperTonic") },
    { 1650,  540, 1485, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "スーパートニック") },
    { 3165,  540,  600, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "上主音") },
    {   60,  780,  435, Numeral, kWhite,  QT_TRANSLATE_NOOP("frmReference", "ＩＩI") },
    {  540,  780, 1080, Text,    kWhite,  "Mediant" },
    { 1650,  780, 1485, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "ミーディアント") },
    { 3165,  780,  600, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "上中音") },
    {   60, 1020,  435, Numeral, kYellow, "IV" },
    {  540, 1020, 1080, Text,    kYellow, QT_TRANSLATE_NOOP("frmReference", "SubDominant") },
    { 1650, 1020, 1485, Text,    kYellow, QT_TRANSLATE_NOOP("frmReference", "サブドミナント") },
    { 3165, 1020,  600, Text,    kYellow, QT_TRANSLATE_NOOP("frmReference", "下属音") },
    {   60, 1260,  435, Numeral, kYellow, "V" },
    {  540, 1260, 1080, Text,    kYellow, "Dominant" },
    { 1650, 1260, 1485, Text,    kYellow, QT_TRANSLATE_NOOP("frmReference", "ドミナント") },
    { 3165, 1260,  600, Text,    kYellow, QT_TRANSLATE_NOOP("frmReference", "上属音") },
    {   60, 1500,  435, Numeral, kWhite,  "VI" },
    {  540, 1500, 1080, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "SubMediant") },
    { 1650, 1500, 1485, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "サブミーディアント") },
    { 3165, 1500,  600, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "下中音") },
    {   60, 1740,  435, Numeral, kWhite,  "VII" },
    {  540, 1740, 1080, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "LeadingTone") },
    { 1650, 1740, 1485, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "リーディングトーン") },
    { 3165, 1740,  600, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "導音") },

    // The two characteristic chords: numeral, English, katakana (in English, the usual symbol).
    {   60, 2040, 3735, Heading, kBrightGreen, QT_TRANSLATE_NOOP("frmReference", "特有なコード") },
    {   60, 2280,  435, Numeral, kWhite,  "II 7" },
    {  540, 2280, 1305, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "DoppelDominant") },
    { 1950, 2280, 1485, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "ドッペルドミナント") },
    {   60, 2520,  435, Numeral, kWhite,  "♭II" },
    {  540, 2520, 1305, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "NeapolitanChord") },
    { 1950, 2520, 1485, Text,    kWhite,  QT_TRANSLATE_NOOP("frmReference", "ナポリタンコード") },

    // Common tensions: the major key's chord and tensions left of Line1, the minor key's right.
    // The minor key's seventh is the major chord on the lowered seventh, so it reads "♭VII":
    // its tensions 9 and 13 are a dominant's.
    {   60, 2820, 3735, Heading, kBrightGreen,
        QT_TRANSLATE_NOOP("frmReference", "よく使われるテンション") },
    {   60, 3060,  435, Numeral, kWhite,  "I" },
    {  540, 3060, 1215, Text,    kWhite,  "9,13" },
    { 2070, 3060,  435, Numeral, kWhite,  "Im" },
    { 3120, 3060,  705, Text,    kWhite,  "9,11" },
    {   60, 3300,  435, Numeral, kWhite,  QT_TRANSLATE_NOOP("frmReference", "ＩＩm") },
    {  540, 3300, 1215, Text,    kWhite,  "9,11" },
    { 2070, 3300,  690, Numeral, kWhite,  QT_TRANSLATE_NOOP("frmReference", "ＩＩm(♭5)") },
    { 3120, 3300,  705, Text,    kWhite,  "11,♭13" },
    {   60, 3540,  435, Numeral, kWhite,  QT_TRANSLATE_NOOP("frmReference", "ＩＩIm") },
    {  540, 3540, 1215, Text,    kWhite,  "11" },
    { 2070, 3540,  435, Numeral, kWhite,  QT_TRANSLATE_NOOP("frmReference", "♭ＩＩI") },
    { 3120, 3540,  705, Text,    kWhite,  "9,13" },
    {   60, 3780,  435, Numeral, kWhite,  "IV" },
    {  540, 3780, 1215, Text,    kWhite,  "9,♯11,13" },
    { 2070, 3780,  435, Numeral, kWhite,  "IVm" },
    { 3120, 3780,  705, Text,    kWhite,  "9,11,13" },
    {   60, 4020,  435, Numeral, kWhite,  "V" },
    {  540, 4020, 1215, Text,    kWhite,  "9,13,♭9,♭13" },
    { 2070, 4020,  435, Numeral, kWhite,  "Vm" },
    { 3120, 4020,  705, Text,    kWhite,  "9,11" },
    {   60, 4260,  435, Numeral, kWhite,  "VIm" },
    {  540, 4260, 1215, Text,    kWhite,  "9,11" },
    { 2070, 4260,  435, Numeral, kWhite,  "♭VI" },
    { 3120, 4260,  705, Text,    kWhite,  "9,♯11,13" },
    {   60, 4500,  435, Numeral, kWhite,  "VIIm" },
    {  540, 4500, 1215, Text,    kWhite,  "9,♭13" },
    { 2070, 4500,  435, Numeral, kWhite,  "♭VII" },
    { 3120, 4500,  705, Text,    kWhite,  "9,13" },
} };
// clang-format on

// The window's own text face: Latin letters from a Helvetica-like sans, Japanese from the
// proportional Gothic, at 11 pixels (8.25 pt), so that the longest English names fit the
// widths the sheet gives them ("NeapolitanChord" in 1305 twips).
QFont SheetFont()
{
    QFont font;
    QStringList families { QStringLiteral("FreeSans"), QStringLiteral("Arial") };
    families += ui::PGothicFamilies();
    font.setFamilies(families);
    font.setPixelSize(11);
    return font;
}

QLabel* MakeLabel(QWidget* sheet, int number, const Entry& entry)
{
    auto* label = new QLabel(QCoreApplication::translate("frmReference", entry.text), sheet);
    ui::Place(label, QStringLiteral("Label%1").arg(number),
        QRect(entry.left, entry.top, entry.width, kRowHeight));
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setFocusPolicy(Qt::NoFocus);
    switch (entry.style) {
    case Style::Heading:
        label->setAlignment(Qt::AlignCenter);
        label->setFont(ui::PGothicFont(9));
        ui::Paint(label, kDarkGreen, entry.color);
        break;
    case Style::Numeral:
        label->setAlignment(Qt::AlignCenter);
        label->setFont(ui::PGothicFont(9, true));
        ui::PaintText(label, entry.color);
        break;
    case Style::Text:
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        ui::PaintText(label, entry.color);
        break;
    }
    return label;
}

constexpr ToolFrame kFrame { "frmReference", "ReferenceBook", 3870, 4785, true, "Reference", 2835,
    2265, false };
} // namespace

frmReference::frmReference()
    : ToolWindow(kFrame)
{
    setFont(SheetFont());
    ui::Paint(this, kBlack, kWhite);

    int number = 1;
    for (const Entry& entry : kSheet)
        MakeLabel(this, number++, entry);

    // Five pixels wide, centred on x = 1860 twips, from y = 3000 to 4680.
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setAccessibleName(QStringLiteral("Line1"));
    const int middle = ui::Px(1860);
    Line1->setGeometry(middle - 2, ui::Px(3000), 5, ui::Px(4680) - ui::Px(3000));
    ui::Paint(Line1, kDarkGreen, kDarkGreen);
}

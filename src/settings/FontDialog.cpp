// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontDialog.h"

#include "platform/SystemDialogs.h"
#include "settings/SettingText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

struct NamedColor {
    const char* name;
    QRgb rgb;
};

// The sixteen colours a font dialog has always offered.
constexpr NamedColor standardColors[] = {
    {QT_TRANSLATE_NOOP("FontDialog", "Black"), 0x000000},
    {QT_TRANSLATE_NOOP("FontDialog", "Maroon"), 0x800000},
    {QT_TRANSLATE_NOOP("FontDialog", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("FontDialog", "Olive"), 0x808000},
    {QT_TRANSLATE_NOOP("FontDialog", "Navy"), 0x000080},
    {QT_TRANSLATE_NOOP("FontDialog", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("FontDialog", "Teal"), 0x008080},
    {QT_TRANSLATE_NOOP("FontDialog", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("FontDialog", "Silver"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("FontDialog", "Red"), 0xFF0000},
    {QT_TRANSLATE_NOOP("FontDialog", "Lime"), 0x00FF00},
    {QT_TRANSLATE_NOOP("FontDialog", "Yellow"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("FontDialog", "Blue"), 0x0000FF},
    {QT_TRANSLATE_NOOP("FontDialog", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("FontDialog", "Aqua"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("FontDialog", "White"), 0xFFFFFF},
};

enum Style { Regular, Italic, Bold, BoldItalic };

QIcon swatch(const QColor& color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(color);
    return QIcon(pixmap);
}

} // namespace

FontDialog::FontDialog(const DisplayFont& font, qint32 color, SystemDialogs& dialogs,
                       QWidget* parent)
    : QDialog(parent)
    , m_face(new QFontComboBox(this))
    , m_style(new QComboBox(this))
    , m_size(new QComboBox(this))
    , m_strikeout(new QCheckBox(tr("Stri&keout"), this))
    , m_underline(new QCheckBox(tr("&Underline"), this))
    , m_color(new QComboBox(this))
    , m_sample(new QLabel(tr("AaBbYyZz"), this))
    , m_dialogs(dialogs)
    , m_initialSize(font.size)
{
    setWindowTitle(tr("Font"));
    setObjectName(QStringLiteral("FontDialog"));

    m_face->setObjectName(QStringLiteral("face"));
    m_face->setEditable(false);
    m_face->setCurrentFont(QFont(font.name));
    // A face that is not installed is still the user's choice until they pick another.
    if (m_face->currentText() != font.name) {
        m_face->insertItem(0, font.name);
        m_face->setCurrentIndex(0);
    }

    m_style->setObjectName(QStringLiteral("style"));
    m_style->addItems({tr("Regular"), tr("Italic"), tr("Bold"), tr("Bold Italic")});
    m_style->setCurrentIndex((font.bold ? Bold : Regular) + (font.italic ? Italic : Regular));

    m_size->setObjectName(QStringLiteral("size"));
    m_size->setEditable(true);
    for (const int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        m_size->addItem(QString::number(size));
    auto* validator = new QDoubleValidator(minimumFontSize, maximumFontSize, 1, m_size);
    validator->setNotation(QDoubleValidator::StandardNotation);
    m_size->setValidator(validator);
    m_size->setCurrentText(SettingText::fromNumber(font.size));

    m_strikeout->setChecked(font.strikethrough);
    m_underline->setChecked(font.underline);

    m_color->setObjectName(QStringLiteral("color"));
    for (const NamedColor& named : standardColors)
        m_color->addItem(swatch(QColor(named.rgb)), tr(named.name), QColor(named.rgb));
    m_color->addItem(tr("Custom…"));
    selectColor(colorFromValue(color));

    m_sample->setObjectName(QStringLiteral("sample"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumSize(220, 60);
    m_sample->setAutoFillBackground(true);
    m_sample->setFrameShape(QFrame::StyledPanel);

    auto* fontForm = new QFormLayout;
    fontForm->addRow(tr("&Font:"), m_face);
    fontForm->addRow(tr("Font st&yle:"), m_style);
    fontForm->addRow(tr("&Size:"), m_size);

    auto* effects = new QGroupBox(tr("Effects"), this);
    auto* effectsLayout = new QFormLayout(effects);
    effectsLayout->addRow(m_strikeout);
    effectsLayout->addRow(m_underline);
    effectsLayout->addRow(tr("&Color:"), m_color);

    auto* sampleBox = new QGroupBox(tr("Sample"), this);
    (new QVBoxLayout(sampleBox))->addWidget(m_sample);

    auto* lower = new QHBoxLayout;
    lower->addWidget(effects);
    lower->addWidget(sampleBox, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fontForm);
    layout->addLayout(lower);
    layout->addWidget(buttons);

    connect(m_face, &QFontComboBox::currentFontChanged, this, &FontDialog::updateSample);
    connect(m_style, &QComboBox::currentIndexChanged, this, &FontDialog::updateSample);
    connect(m_size, &QComboBox::currentTextChanged, this, &FontDialog::updateSample);
    connect(m_strikeout, &QCheckBox::toggled, this, &FontDialog::updateSample);
    connect(m_underline, &QCheckBox::toggled, this, &FontDialog::updateSample);
    connect(m_color, &QComboBox::currentIndexChanged, this, &FontDialog::colorChosen);
    updateSample();
}

void FontDialog::selectColor(const QColor& color)
{
    int index = m_color->findData(color);
    if (index < 0) {
        // One colour of the user's own at a time, just above "Custom…".
        const int custom = m_color->count() - 1;
        if (custom > int(std::size(standardColors)))
            m_color->removeItem(custom - 1);
        index = m_color->count() - 1;
        m_color->insertItem(index, swatch(color), tr("Custom"), color);
    }
    m_colorIndex = index;
    const QSignalBlocker quiet(m_color);
    m_color->setCurrentIndex(index);
    updateSample();
}

void FontDialog::colorChosen(int index)
{
    if (index != m_color->count() - 1) {
        m_colorIndex = index;
        updateSample();
        return;
    }
    // "Custom…": the system's dialog, opened on the colour shown before.
    const QColor before = m_color->itemData(m_colorIndex).value<QColor>();
    const std::optional<QColor> chosen = m_dialogs.color(this, before);
    // Only the colour counts: the flash is drawn opaque.
    selectColor(chosen ? chosen->toRgb() : before);
}

DisplayFont FontDialog::chosenFont() const
{
    DisplayFont font;
    font.name = m_face->currentText();
    font.bold = m_style->currentIndex() == Bold || m_style->currentIndex() == BoldItalic;
    font.italic = m_style->currentIndex() == Italic || m_style->currentIndex() == BoldItalic;
    // A size the font would refuse (a half-typed one, say) keeps the size it had.
    const auto size = SettingText::toNumber(m_size->currentText());
    font.size =
        size && *size >= minimumFontSize && *size <= maximumFontSize ? *size : m_initialSize;
    font.strikethrough = m_strikeout->isChecked();
    font.underline = m_underline->isChecked();
    return font;
}

qint32 FontDialog::chosenColor() const
{
    return valueFromColor(m_color->currentData().value<QColor>());
}

void FontDialog::updateSample()
{
    m_sample->setFont(chosenFont().toFont());
    QPalette palette = m_sample->palette();
    const QColor color = m_color->currentData().value<QColor>();
    palette.setColor(QPalette::WindowText, color);
    // White or pale letters on a white sample could not be seen.
    palette.setColor(QPalette::Window, color.lightness() > 200 ? Qt::darkGray : Qt::white);
    m_sample->setPalette(palette);
}

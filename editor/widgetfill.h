#pragma once

#include <QAbstractButton>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <initializer_list>
#include <utility>

// Small helpers of the route page's fill functions, which show route values in widgets
// without the widgets reporting them back as edits.

inline void setSpinValue(QSpinBox *spin, int value)
{
    const QSignalBlocker blocker(spin);
    spin->setValue(value);
}

// Checks each button whose bit is set in bits.
inline void setBitButtons(int bits, std::initializer_list<std::pair<QAbstractButton *, int>> buttons)
{
    for (const auto &[button, bit] : buttons)
        button->setChecked((bits & bit) != 0);
}

// Re-polishing a style sheet is costly, so an unchanged colour leaves the button alone.
inline void setButtonColor(QPushButton *button, int color)
{
    const QString style = QStringLiteral("border-image: none; background-color: #%1;")
                              .arg(uint(color) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    if (button->styleSheet() != style)
        button->setStyleSheet(style);
}

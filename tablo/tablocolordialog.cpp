#include "tablocolordialog.h"
#include "ui_tablocolordialog.h"

#include <QGridLayout>
#include <QPushButton>

namespace {

// Dynamic property of a recent-colour button that holds its colour, so one slot serves
// every button.
const char recentColorProperty[] = "recentColor";

} // namespace

TabloColorDialog::TabloColorDialog(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TabloColorDialog>())
{
    ui->setupUi(this);
    // The form starts at black; paint the field so it does not show the window colour.
    updateColorField();
}

TabloColorDialog::~TabloColorDialog() = default;

int TabloColorDialog::color() const
{
    return ui->redSlider->value() * 65536 + ui->greenSlider->value() * 256 + ui->blueSlider->value();
}

void TabloColorDialog::setColor(uint rgb)
{
    // The sliders follow the spin boxes through the form's connections.
    ui->redSpn->setValue(int((rgb >> 16) & 0xFF));
    ui->greenSpn->setValue(int((rgb >> 8) & 0xFF));
    ui->blueSpn->setValue(int(rgb & 0xFF));
    // An unchanged channel emits nothing, so repaint the field here as well.
    updateColorField();
}

void TabloColorDialog::setRecentColors(const QList<uint> &colors)
{
    mRecentColors = colors;

    auto *layout = qobject_cast<QGridLayout *>(ui->recentColorsWidget->layout());
    if (!layout)
        layout = new QGridLayout(ui->recentColorsWidget);

    for (int i = 0; i < colors.size(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        auto *button = item ? qobject_cast<QPushButton *>(item->widget()) : nullptr;
        if (!button)
            button = createRecentColorButton(layout, i);
        const uint recentColor = colors.at(i);
        button->setProperty(recentColorProperty, recentColor);
        // Only the low 24 bits are a colour; masking keeps the style sheet at six digits.
        button->setStyleSheet(QStringLiteral("background-color: #%1;")
                                  .arg(recentColor & 0xFFFFFF, 6, 16, QLatin1Char('0')));
    }

    while (layout->count() > colors.size()) {
        QLayoutItem *item = layout->takeAt(layout->count() - 1);
        if (QWidget *widget = item->widget())
            widget->deleteLater();
        delete item;
    }
}

void TabloColorDialog::onRecentColorClicked()
{
    if (QObject *button = sender())
        setColor(button->property(recentColorProperty).toUInt());
}

void TabloColorDialog::on_redSlider_valueChanged(int)
{
    updateColorField();
}

void TabloColorDialog::on_greenSlider_valueChanged(int)
{
    updateColorField();
}

void TabloColorDialog::on_blueSlider_valueChanged(int)
{
    updateColorField();
}

QPushButton *TabloColorDialog::createRecentColorButton(QGridLayout *layout, int index)
{
    auto *button = new QPushButton(ui->recentColorsWidget);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setMinimumSize(45, 45);
    connect(button, &QPushButton::clicked, this, &TabloColorDialog::onRecentColorClicked);
    layout->addWidget(button, index / recentColumns, index % recentColumns);
    return button;
}

void TabloColorDialog::updateColorField()
{
    QPalette palette = ui->currentColorWidget->palette();
    palette.setBrush(ui->currentColorWidget->backgroundRole(), QColor(QRgb(color())));
    ui->currentColorWidget->setPalette(palette);
}

#pragma once

#include <QDialog>
#include <QList>

#include <memory>

class QGridLayout;
class QPushButton;

namespace Ui {
class TabloColorDialog;
}

// Picks a board colour as three 0 ... 255 channels, with a grid of recently used colours
// that set the channels in one click. The main window keeps one and reuses it for every page.
class TabloColorDialog : public QDialog
{
    Q_OBJECT

public:
    // Buttons per row of the recent-colours grid.
    static constexpr int recentColumns = 6;

    explicit TabloColorDialog(QWidget *parent = nullptr);
    ~TabloColorDialog() override;

    // The colour being chosen, as 0xRRGGBB.
    int color() const;
    // Shows rgb (0xRRGGBB; higher bits are ignored) in the sliders, spin boxes and colour field.
    void setColor(uint rgb);
    // Offers colors (0xRRGGBB each) as buttons, six to a row; the buttons of the previous
    // call are reused, so calling this before every run of the dialog is cheap.
    void setRecentColors(const QList<uint> &colors);

private slots:
    void onRecentColorClicked();
    void on_redSlider_valueChanged(int value);
    void on_greenSlider_valueChanged(int value);
    void on_blueSlider_valueChanged(int value);

private:
    QPushButton *createRecentColorButton(QGridLayout *layout, int index);
    void updateColorField();

    std::unique_ptr<Ui::TabloColorDialog> ui;
    QList<uint> mRecentColors;
};

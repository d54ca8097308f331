// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

class CKelvoCommonButton;
class QGridLayout;

// A window that shows every control of the library in every state side by
// side, each with a label naming the state.
class CKelvoGalleryWindow final : public QWidget {
    Q_OBJECT

public:
    explicit CKelvoGalleryWindow(QWidget* parent = nullptr);
    ~CKelvoGalleryWindow() override;

    // Gives the keyboard focus to the button shown as focused and paints the
    // window into an image.
    QImage Render();
    // The button that shows the focused frame.
    CKelvoCommonButton* FocusedButton() const { return m_focusedButton; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void AddButtonRows(QGridLayout* grid, int& row);
    void AddCheckRow(QGridLayout* grid, int& row);
    void AddStaticAndGroupRow(QGridLayout* grid, int& row);
    void AddEditRow(QGridLayout* grid, int& row);
    void AddTabRow(QGridLayout* grid, int& row);
    void AddBitmapRow(QGridLayout* grid, int& row);
    // Slider and list.
    void AddSliderRow(QGridLayout* grid, int& row);
    void AddListRow(QGridLayout* grid, int& row);
    QWidget* Cell(QWidget* control, const QString& caption);

    CKelvoCommonButton* m_focusedButton = nullptr;
};

// The gallery program: shows the window, or with "--screenshot FILE.png"
// renders it offscreen into FILE.png and returns. Returns the exit code.
int KelvoGalleryRun(const QStringList& arguments);
// Whether the arguments ask for a screenshot (the program then picks the
// offscreen platform before the application starts).
bool KelvoGalleryWantsScreenshot(int argc, char** argv);

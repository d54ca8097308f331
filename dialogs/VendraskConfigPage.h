// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class CKelvoCommonButton;
class CKelvoCommonCheck;
class CKelvoCommonCombo;
class CKelvoCommonStatic;
class CVendraskApp;

// What the configuration window's pages share: a 670 x 350 child of the
// tab control with the dialog's flat background, texts and controls at the
// places of its template, and an initialised flag that keeps the combo
// boxes' handlers quiet while the page fills them.
//
// A page is a child widget, so it has no opacity of its own: it shows the
// configuration window's.
class CVendraskConfigPage : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 670;
    static constexpr int kHeight = 350;

    ~CVendraskConfigPage() override;
    CVendraskConfigPage(const CVendraskConfigPage&) = delete;
    CVendraskConfigPage& operator=(const CVendraskConfigPage&) = delete;

    // Fills the controls from the model, colours them, then sets the
    // initialised flag.
    void InitDialog();
    // Gives every control the colour record of its kind and the small font.
    virtual void ApplyPageColors() = 0;
    // The same for one control: button, label, combo box, check box or edit.
    void ColorControl(QWidget* control) const;

    int IsInitialized() const { return m_flagInitialized; }
    // The control with that id, or null.
    QWidget* Control(int id) const;
    const QString& WindowText() const { return m_windowText; }

    // Selects the first item that begins with text (ignoring case), else
    // item 0.
    static void SelectByPrefix(CKelvoCommonCombo& combo, const QString& text);

protected:
    CVendraskConfigPage(CVendraskApp& app, QWidget* parent, const QString& windowText);

    virtual void OnInitDialog() = 0;
    // What the page draws over its background.
    virtual void PaintPage(QPainter& /*painter*/) {}

    void paintEvent(QPaintEvent* event) override;
    // Clicks on a page stay on it: a double click there does not close
    // the window as one on the window's own surface does.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    CKelvoCommonStatic* AddStatic(int id, const QString& text, QRect rect);
    CKelvoCommonButton* AddButton(int id, const QString& text, QRect rect);
    CKelvoCommonCombo* AddCombo(int id, QRect rect, quint32 style = 0);
    // An automatic check box; leftText puts the text before the box.
    CKelvoCommonCheck* AddCheck(int id, const QString& text, QRect rect, bool leftText);

    CVendraskApp& m_app;
    int m_flagInitialized = 0;

private:
    QString m_windowText;
};

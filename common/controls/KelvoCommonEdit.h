// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/controls/KelvoCommonColor.h"
#include "common/controls/KelvoCommonGroup.h"

#include <QLineEdit>
#include <QPalette>
#include <QPointer>

// A one-line edit inside a frame: a CKelvoCommonGroup with the erase flag
// set, 5 pixels larger on every side, a sibling made just before the edit.
// Once initialised the frame follows every move and resize of the edit.
// Text and background come from the colour record; a read-only edit uses
// the read-only background, and so does its frame (taken when the frame is
// made or the colours are set).
class KELVOCOMMON_EXPORT CKelvoCommonEdit : public QLineEdit {
    Q_OBJECT

public:
    // Style bit of a read-only edit.
    static constexpr quint32 ES_READONLY = 0x0800;
    // The frame's margin around the edit.
    static constexpr int kFrameMargin = 5;

    explicit CKelvoCommonEdit(QWidget* parent = nullptr);
    ~CKelvoCommonEdit() override;

    // Makes the frame at rect and the edit in rect shrunk by the margin, both
    // children of parent with id; read-only when the style says so. Fails
    // without a parent.
    virtual bool Create(quint32 style, QRect rect, QWidget* parent, int id);
    // Rebuilds an edit standing at its place as a framed one: the frame
    // takes the edit's rectangle, the edit moves inside it.
    void Initialize(QWidget* parent, int id);
    bool IsInitialized() const { return m_initialized == 1; }

    // Also recolours the frame; no repaint.
    void SetColor(CKelvoCommonEditColor color);
    void GetColor(CKelvoCommonEditColor* color) const;

    // The style bits the edit has now (ES_READONLY).
    quint32 Style() const;
    CKelvoCommonGroup* Frame() const { return m_frame; }

    static CKelvoCommonGroupColor FrameColors(const CKelvoCommonEditColor& colors, bool readOnly);
    static QPalette EditPalette(QPalette palette, const CKelvoCommonEditColor& colors,
                                bool readOnly);
    static QRect FrameRect(QRect editGeometry);

    CKelvoCommonEditColor m_color;

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyPalette();
    void FollowWithFrame();

    QPointer<QWidget> m_parent;
    int m_initialized = 0;
    QPointer<CKelvoCommonGroup> m_frame;
};

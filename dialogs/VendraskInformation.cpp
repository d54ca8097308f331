// SPDX-License-Identifier: MIT
#include "dialogs/VendraskInformation.h"

#include "app/VendraskApp.h"
#include "app/VendraskLog.h"
#include "app/VendraskVersion.h"
#include "common/controls/KelvoCommonButton.h"
#include "common/controls/KelvoCommonStatic.h"
#include "common/controls/KelvoCommonWindow.h"
#include "common/platform/KelvoCommonShell.h"
#include "dialogs/VendraskDialogUnits.h"
#include "res/VendraskResources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>

using VendraskDialogUnits::Rect;

namespace {

constexpr QSize kPictureSize{32, 32};
constexpr QSize kPictureFrameSize{34, 34};
// Space kept free between the text lines and the window's sides.
constexpr int kTextMargin = 10;
// The address button's caption stays inside its one-pixel frame.
constexpr int kAddressInset = 1;

// Where the README goes on installation, relative to the program's folder,
// and the one of the tree this program was built from.
constexpr const char* kInstalledDocumentation = VENDRASK_INSTALLED_README;
constexpr const char* kSourceDocumentation = VENDRASK_SOURCE_README;

// A one-line text that ends in "..." when it does not fit; its text stays
// whole.
class CEllipsisStatic final : public CKelvoCommonStatic {
public:
    using CKelvoCommonStatic::CKelvoCommonStatic;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.setFont(font());
        const QRect rect = contentsRect();
        const QString shown = painter.fontMetrics().elidedText(text(), Qt::ElideRight, rect.width(),
                                                               Qt::TextShowMnemonic);
        Paint(painter, rect, shown, alignment(), false, m_color);
    }
};

} // namespace

QString CVendraskInformation::VersionText(const QString& release, const QString& buildDate) {
    return tr("Version %1 (%2)").arg(release, buildDate);
}

QString CVendraskInformation::VersionText() {
    return VersionText(QLatin1String(kVendraskVersion), QLatin1String(kVendraskBuildDate));
}

QString CVendraskInformation::DescriptionText() {
    return tr("Vendrask ～ Application and Folder Launcher ～");
}

QString CVendraskInformation::NoticeText() {
    // The year of the build, so the line never goes stale.
    const QString year = QLatin1String(kVendraskBuildDate).left(4);
    return tr("Copyright (C) %1 The Vendrask developers").arg(year);
}

QUrl CVendraskInformation::DocumentationAddress(const QString& programFolder) {
    // The portable folder keeps the README beside the program; an installed
    // program lies in <prefix>/bin, its documentation in <prefix>/share.
    const QDir folder(programFolder);
    const QString beside = folder.filePath(QStringLiteral("README.md"));
    if (QFileInfo(beside).isFile())
        return QUrl::fromLocalFile(beside);
    const QString installed =
        QDir::cleanPath(folder.filePath(QLatin1String(kInstalledDocumentation)));
    const QString source = QLatin1String(kSourceDocumentation);
    if (QFileInfo(installed).isFile() || !QFileInfo(source).isFile())
        return QUrl::fromLocalFile(installed);
    return QUrl::fromLocalFile(source);
}

QRect CVendraskInformation::PictureFrameRect(const QRect& picture) {
    return {picture.topLeft() - QPoint(1, 1), kPictureFrameSize};
}

CVendraskInformation::CVendraskInformation(CVendraskApp& app, QWidget* parent)
    : CVendraskSmallWindow(app, parent, QSize(kWidth, kHeight), tr("Vendrask Information"),
                           Placement::PointerMonitorTopMost),
      m_versionText(VersionText()),
      m_addressUrl(DocumentationAddress(QCoreApplication::applicationDirPath())) {
    setObjectName(QStringLiteral("VendraskInformation"));
    // Which README a moved or installed tree found.
    qCDebug(lcVendrask).noquote() << "documentation" << m_addressUrl.toString();
    // Creation order is the tab order of the template.
    CreateCloseButton(kIdClose);

    m_picture = new QLabel(this);
    KelvoCommonSetDlgCtrlID(m_picture, kIdPicture);
    // A picture static takes the size of its picture.
    m_picture->setGeometry(QRect(Rect(27, 26, 15, 13).topLeft(), kPictureSize));
    m_picture->setAttribute(Qt::WA_TranslucentBackground);
    m_picture->setAccessibleName(tr("Vendrask icon"));

    const auto makeText = [this](int id, QRect rect, Qt::Alignment alignment, bool wrap) {
        CKelvoCommonStatic* text = wrap ? new CKelvoCommonStatic(this) : new CEllipsisStatic(this);
        KelvoCommonSetDlgCtrlID(text, id);
        text->setGeometry(rect);
        text->setAlignment(alignment);
        text->setWordWrap(wrap);
        return text;
    };
    // The template's places; the version and the notice, whose texts are
    // ours, may run to the window's right margin (the notice stays centred
    // on the window).
    const auto toMargin = [](QRect rect) {
        rect.setRight(kWidth - 1 - kTextMargin);
        return rect;
    };
    m_description =
        makeText(kIdDescription, Rect(61, 30, 250, 18), Qt::AlignLeft | Qt::AlignTop, true);
    m_version =
        makeText(kIdVersion, toMargin(Rect(100, 62, 146, 16)), Qt::AlignLeft | Qt::AlignTop, false);
    const QRect notice = Rect(53, 80, 224, 17);
    m_notice = makeText(kIdNotice,
                        QRect(kTextMargin, notice.top(), kWidth - 2 * kTextMargin, notice.height()),
                        Qt::AlignHCenter | Qt::AlignTop, false);

    m_address = new CKelvoCommonButton(this);
    KelvoCommonSetDlgCtrlID(m_address, kIdAddress);
    m_address->setGeometry(Rect(61, 99, 212, 16));
    m_address->SetFlagTabStop(1);
    ShowAddress();
    connect(m_address, &QAbstractButton::clicked, this, &CVendraskInformation::OpenAddress);
}

CVendraskInformation::~CVendraskInformation() = default;

CKelvoCommonStatic* CVendraskInformation::Text(int id) const {
    switch (id) {
    case kIdDescription:
        return m_description;
    case kIdVersion:
        return m_version;
    case kIdNotice:
        return m_notice;
    default:
        return nullptr;
    }
}

void CVendraskInformation::OnInitDialog() {
    m_description->setText(DescriptionText());
    m_version->setText(m_versionText);
    m_notice->setText(NoticeText());
    m_picture->setPixmap(
        VendraskLoadBitmap(VendraskResource::kPicture, m_picture->devicePixelRatioF()));
    ApplyTransparency();
    CloseButton()->SetColor(m_app.m_buttonColor);
    m_address->SetColor(m_app.m_buttonColor);
    for (CKelvoCommonStatic* text : {m_description, m_version, m_notice}) {
        text->m_color = m_app.m_staticTextColor;
        text->setFont(m_app.m_fontDialog);
    }
    // The close button shows a picture only and gets no font.
    m_address->setFont(m_app.m_fontButton);
    ShowAddress();
}

void CVendraskInformation::SetAddress(const QUrl& address) {
    m_addressUrl = address;
    ShowAddress();
}

void CVendraskInformation::ShowAddress() {
    // Where the program lies decides the length: both ends of the address
    // (scheme and file name) say the most.
    const QString whole = m_addressUrl.toDisplayString();
    const double room = m_address->width() - 2 * kAddressInset;
    m_address->setText(QFontMetricsF(m_address->font()).elidedText(whole, Qt::ElideMiddle, room));
    m_address->setToolTip(whole);
    m_address->setAccessibleDescription(whole);
}

void CVendraskInformation::OnCloseCommand() {
    done(kResultClosed);
}

void CVendraskInformation::OpenAddress() {
    // Whatever the shell makes of it, the window ends.
    m_app.Services().shell->Open(m_addressUrl.toString(QUrl::FullyEncoded), QString(), QString());
    done(kResultAddressOpened);
}

void CVendraskInformation::paintEvent(QPaintEvent* event) {
    CVendraskSmallWindow::paintEvent(event);
    QPainter painter(this);
    painter.setPen(m_app.m_brushDialogFrame.color());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(PictureFrameRect(m_picture->geometry()).adjusted(0, 0, -1, -1));
}

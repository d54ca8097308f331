// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/VendraskSmallWindow.h"

#include <QPixmap>
#include <QRect>
#include <QUrl>

class CKelvoCommonButton;
class CKelvoCommonStatic;
class QLabel;

// The program's information box: its picture, name and description,
// version, a notice line, and a button with the address of the program's
// documentation. Opening the address ends the window with 2; every other
// way of closing it gives 1.
class CVendraskInformation final : public CVendraskSmallWindow {
    Q_OBJECT

public:
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 220;
    static constexpr int kIdClose = 1089;
    static constexpr int kIdPicture = 1090;
    static constexpr int kIdDescription = 1091;
    static constexpr int kIdNotice = 1092;
    static constexpr int kIdAddress = 1093;
    static constexpr int kIdVersion = 1098;
    static constexpr int kResultClosed = 1;
    static constexpr int kResultAddressOpened = 2;

    // "Version <release> (<yyyy/mm/dd>)".
    static QString VersionText(const QString& release, const QString& buildDate);
    // The texts of the program's build.
    static QString VersionText();
    static QString DescriptionText();
    static QString NoticeText();
    // The documentation's address: the README in the program's folder (the
    // portable folder), else the installed one
    // (programFolder/../share/doc/vendrask), else the one of the source tree
    // a build-tree program was made from, else the installed place anyway.
    static QUrl DocumentationAddress(const QString& programFolder);
    // The frame around the picture: its rectangle grown by one pixel, then
    // made 34 x 34 from that corner.
    static QRect PictureFrameRect(const QRect& picture);

    CVendraskInformation(CVendraskApp& app, QWidget* parent);
    ~CVendraskInformation() override;

    CKelvoCommonButton* AddressButton() const { return m_address; }
    CKelvoCommonStatic* Text(int id) const;
    QLabel* Picture() const { return m_picture; }
    const QUrl& Address() const { return m_addressUrl; }
    // Another address to show and open (the program's own is found at
    // construction).
    void SetAddress(const QUrl& address);

protected:
    void OnCloseCommand() override;
    void OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OpenAddress();
    // The address on its button: whole, or cut in its middle where it does
    // not fit; the whole one as tooltip and accessible description.
    void ShowAddress();

    QString m_versionText;
    QUrl m_addressUrl;
    QLabel* m_picture = nullptr;
    CKelvoCommonStatic* m_description = nullptr;
    CKelvoCommonStatic* m_version = nullptr;
    CKelvoCommonStatic* m_notice = nullptr;
    CKelvoCommonButton* m_address = nullptr;
};

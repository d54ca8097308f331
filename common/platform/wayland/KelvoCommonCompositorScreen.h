// SPDX-License-Identifier: MIT
#pragma once

#include "common/KelvoCommonExport.h"
#include "common/platform/KelvoCommonActiveScreen.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>

// The output a tiling compositor reports as focused, asked over its IPC
// socket at every call: sway and i3 ($SWAYSOCK, $I3SOCK), Hyprland
// ($HYPRLAND_INSTANCE_SIGNATURE). Elsewhere (GNOME, KWin tell no client)
// the primary screen.
class KELVOCOMMON_EXPORT CKelvoCommonCompositorScreen final : public CKelvoCommonActiveScreen {
public:
    struct Output {
        QString name;
        QRect rect; // logical layout coordinates
    };

    QScreen* Screen() override;

    // The pieces below read bytes another program wrote: they accept
    // anything and answer nothing for what they cannot use.
    static constexpr std::uint32_t kI3GetOutputs = 3;
    static QByteArray I3Request(std::uint32_t type, const QByteArray& payload = {});
    // The payload of one whole reply of that type.
    static std::optional<QByteArray> I3Payload(const QByteArray& reply, std::uint32_t type);
    // The focused output in sway's GET_OUTPUTS or Hyprland's j/monitors reply.
    static std::optional<Output> FocusedSwayOutput(const QByteArray& json);
    static std::optional<Output> FocusedHyprlandMonitor(const QByteArray& json);

private:
    static std::optional<Output> AskCompositor();
};

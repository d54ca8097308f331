// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// Plays wave data held in memory, one sound at a time.
class CKelvoCommonSound {
public:
    enum PlayFlag : int {
        // Leave a playing sound alone and play nothing.
        NoStop = 0x1,
    };

    virtual ~CKelvoCommonSound() = default;
    // Starts the wave in data (asynchronously); a new sound stops the
    // current one unless NoStop is given. Empty data plays nothing.
    virtual void Play(const QByteArray& data, int flags) = 0;
    // Stops whatever is playing.
    virtual void Stop() = 0;

protected:
    CKelvoCommonSound() = default;
    CKelvoCommonSound(const CKelvoCommonSound&) = default;
    CKelvoCommonSound& operator=(const CKelvoCommonSound&) = default;
};

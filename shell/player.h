// What the windows' play buttons talk to: a phrase to play, and whether a press can sound. The
// synthesizer, the MIDI output, or both behind one router, answer it.
#pragma once

#include "theory/playback.h"

#include <QObject>
#include <QString>

class Player : public QObject {
    Q_OBJECT

public:
    // Plays phrase, silencing what still rings; when no sound can come out, the press is the
    // next attempt to make it come.
    virtual void Play(const theory::Phrase& phrase) = 0;

    // "" while a press can sound; else why not, as the play buttons' tooltips say it.
    QString WhyUnavailable() const { return whyUnavailable_; }

signals:
    void AvailabilityChanged();

protected:
    void SetWhyUnavailable(const QString& why)
    {
        if (why == whyUnavailable_)
            return;
        whyUnavailable_ = why;
        emit AvailabilityChanged();
    }

private:
    QString whyUnavailable_;
};

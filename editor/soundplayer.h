#pragma once

#include <QObject>
#include <QUrl>

class QMediaPlayer;

// The sound preview's player: Qt's media player, which plays through GStreamer, with one
// interface whichever Qt the editor is built with. Qt 6 plays through an audio output of its own
// and names states, sources and errors differently; only this class knows.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    enum State { StoppedState, PlayingState, PausedState };
    Q_ENUM(State)
    enum Error { NoError, ResourceError, FormatError, NetworkError, AccessDeniedError, ServiceMissingError };
    Q_ENUM(Error)

    explicit SoundPlayer(QObject *parent = nullptr);

    // The file played; an empty URL leaves the player without one.
    void setSource(const QUrl &source);
    State state() const;
    qint64 position() const;
    qint64 duration() const;
    void setPosition(qint64 position);

public slots:
    void play();
    void pause();
    void stop();

signals:
    void stateChanged(SoundPlayer::State state);
    void sourceChanged(const QUrl &source);
    void errorOccurred(SoundPlayer::Error error);
    // In milliseconds; the position at least every half second while playing.
    void positionChanged(qint64 position);
    void durationChanged(qint64 duration);

private:
    QMediaPlayer *m_player;
};

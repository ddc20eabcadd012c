// The sound preview of the sound tab: the announcement selected in either sound list plays,
// pauses, stops and seeks, with its time, name and any error shown. Beside it a voice draft of
// the stop's texts is spoken, attached and played.

#include "routeform.h"
#include "ui_routeform.h"

#include "filelistcommands.h"
#include "speechsynthesizer.h"
#include "voicedrafts.h"

#include <QDir>
#include <QFutureWatcher>
#include <QIcon>
#include <QMessageBox>
#include <QtConcurrent>

namespace {

// Whole minutes and seconds, each at least two digits: "01:15", "100:05".
QString playTime(qint64 milliseconds)
{
    return QStringLiteral("%1:%2")
        .arg(milliseconds / 60000, 2, 10, QLatin1Char('0'))
        .arg((milliseconds / 1000) % 60, 2, 10, QLatin1Char('0'));
}

// How long a sound selection rests before the player loads it, in milliseconds.
const int soundLoadDelay = 150;

} // namespace

void RouteForm::connectPlayer()
{
    connect(m_player, &SoundPlayer::stateChanged, this, &RouteForm::onMediaStateChanged);
    connect(m_player, &SoundPlayer::durationChanged, this, &RouteForm::onMediaDurationChanged);
    connect(m_player, &SoundPlayer::positionChanged, this, &RouteForm::onMediaPositionChanged);
    connect(m_player, &SoundPlayer::sourceChanged, this, &RouteForm::updatePlayNameLabel);
    connect(m_player, &SoundPlayer::errorOccurred, this, &RouteForm::updatePlayErrorLabel);
    m_draftWatcher = new QFutureWatcher<VoiceDraftResult>(this);
    connect(m_draftWatcher, &QFutureWatcherBase::finished, this, &RouteForm::onVoiceDraftSpoken);
}

// Selects the sound file name of the route folder for the player, which loads it when the
// selection has rested a moment, or at Play; no name leaves the player empty. Loading a file
// takes GStreamer over 10 ms: undo and redo, which show their stop again and refill its lists,
// and a user going down the list would otherwise wait for every file passed.
void RouteForm::selectSound(const QString &name)
{
    m_selectedSound = name.isEmpty() ? QUrl() : QUrl::fromLocalFile(m_route.folder() + QLatin1Char('/') + name);
    m_soundTimer.start(soundLoadDelay, this);
}

// Loads the sound selected last into the player, stopped, unless the player has it already.
void RouteForm::applySelectedSound()
{
    m_soundTimer.stop();
    if (m_selectedSound == m_loadedSound)
        return;
    m_player->stop();
    m_player->setSource(m_selectedSound);
    m_loadedSound = m_selectedSound;
}

void RouteForm::stopPlaying()
{
    m_player->stop();
}

void RouteForm::on_playSoundBtn_clicked()
{
    applySelectedSound();
    if (m_player->state() == SoundPlayer::PlayingState)
        m_player->pause();
    else
        m_player->play();
}

void RouteForm::on_stopSoundBtn_clicked()
{
    m_player->stop();
}

void RouteForm::onMediaStateChanged(SoundPlayer::State state)
{
    const bool playing = state == SoundPlayer::PlayingState;
    ui->playSoundBtn->setIcon(
        QIcon(playing ? QStringLiteral(":/icons/pause.png") : QStringLiteral(":/icons/play.png")));
    ui->stopSoundBtn->setEnabled(state != SoundPlayer::StoppedState);
}

// The slider counts tenths of a second.
void RouteForm::onMediaDurationChanged(qint64 duration)
{
    ui->playSoundSlider->setMaximum(int(duration / 100));
    showPlayTime(m_player->position(), duration);
}

void RouteForm::onMediaPositionChanged(qint64 position)
{
    // Following the player must not seek it.
    const QSignalBlocker blocker(ui->playSoundSlider);
    ui->playSoundSlider->setValue(int(position / 100));
    showPlayTime(position, m_player->duration());
}

void RouteForm::on_playSoundSlider_valueChanged(int value)
{
    m_player->setPosition(qint64(value) * 100);
}

void RouteForm::showPlayTime(qint64 position, qint64 duration)
{
    ui->playPositionLabel->setText(playTime(position) + QLatin1String(" / ") + playTime(duration));
}

void RouteForm::updatePlayNameLabel(const QUrl &source)
{
    const QString path = source.toLocalFile();
    ui->playNameLabel->setText(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
    ui->playErrorLabel->clear();
}

void RouteForm::updatePlayErrorLabel(SoundPlayer::Error error)
{
    switch (error) {
    case SoundPlayer::NoError:
        ui->playErrorLabel->clear();
        break;
    case SoundPlayer::ResourceError:
        ui->playErrorLabel->setText(tr("Ошибка воспроизведения!"));
        break;
    case SoundPlayer::FormatError:
        ui->playErrorLabel->setText(tr("Формат не поддерживается!"));
        break;
    case SoundPlayer::NetworkError:
        ui->playErrorLabel->setText(tr("Сетевая ошибка!"));
        break;
    case SoundPlayer::AccessDeniedError:
        ui->playErrorLabel->setText(tr("Ошибка доступа!"));
        break;
    case SoundPlayer::ServiceMissingError:
        ui->playErrorLabel->setText(tr("Нет устройства воспроизведения!"));
        break;
    default:
        break;
    }
}

// Speaks the texts of the entry shown, in the language shown, into a draft in the route folder.
// Speaking takes a moment per text, so it runs on a worker thread and the page stays usable.
void RouteForm::on_speakSoundBtn_clicked()
{
    const int station = m_currentStation;
    const int language = this->language(StationLanguage);
    if (!m_route.isValidStationIndex(station) || m_draftWatcher->isRunning())
        return;
    const QStringList texts = spokenTexts(m_route, station, language, isNextSeparate());
    const QString voice = routeVoice(m_route, language);
    if (texts.isEmpty() || voice.isEmpty()) {
        QMessageBox::information(this, tr("Озвучить"), tr("У остановки нет текста на этом языке."));
        return;
    }
    m_draft = {station, language, voice, voiceDraftName(m_route, station, voice), texts};
    m_draftStation = m_route.stationAt(station);
    ui->speakSoundBtn->setEnabled(false);
    setCursor(Qt::BusyCursor);
    const QString folder = m_route.folder();
    const VoiceDraft draft = m_draft;
    m_draftWatcher->setFuture(
        QtConcurrent::run([folder, draft] { return writeVoiceDraft(folder, draft, SpeechSynthesizer::defaultRate); }));
}

// Attaches the draft to its entry, where that still is, in one undo step; on the entry shown it
// is selected and played. A draft spoken anew keeps its place in the list.
void RouteForm::onVoiceDraftSpoken()
{
    ui->speakSoundBtn->setEnabled(true);
    unsetCursor();
    switch (m_draftWatcher->result()) {
    case VoiceDraftResult::NoVoice:
        QMessageBox::warning(this, tr("Озвучить"), tr("У синтезатора речи нет голоса «%1».").arg(m_draft.voice));
        return;
    case VoiceDraftResult::NotWritten:
        QMessageBox::critical(
            this, tr("Озвучить"),
            tr("Не удалось записать файл %1.")
                .arg(QDir::toNativeSeparators(m_route.folder() + QLatin1Char('/') + m_draft.fileName)));
        return;
    case VoiceDraftResult::Written:
        break;
    }
    // An entry removed or given other texts meanwhile does not get the draft, which stays in the
    // folder like any file the page attached; comparing the texts also keeps a new entry made
    // where a removed one was from getting it.
    for (int station = 0; station < m_route.stationCount(); ++station) {
        if (m_route.stationAt(station) != m_draftStation
            || spokenTexts(m_route, station, m_draft.language, isNextSeparate()) != m_draft.texts)
            continue;
        if (!m_route.stationAt(station)->soundFiles.contains(m_draft.fileName))
            pushCommand(new AddStationSoundFileCmd(this, station, files(SoundFiles, station).size(), m_draft.fileName));
        playVoiceDraft(station);
        return;
    }
}

void RouteForm::playVoiceDraft(int station)
{
    if (station != m_currentStation)
        return;
    ui->soundFileList->setCurrentRow(files(SoundFiles, station).indexOf(m_draft.fileName));
    // The player keeps a file it has loaded; a draft spoken anew under its name is loaded afresh.
    m_loadedSound.clear();
    m_player->setSource(QUrl());
    selectSound(m_draft.fileName);
    applySelectedSound();
    m_player->play();
}

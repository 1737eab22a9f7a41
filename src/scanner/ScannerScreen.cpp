#include "scanner/ScannerScreen.h"

#include "app/NotificationCenter.h"
#include "app/Notifications.h"
#include "app/UserDefaults.h"
#include "scanner/QrReader.h"
#include "scanner/ScanRelay.h"
#include "scanner/ScanSettings.h"

#include <QAudioDevice>
#include <QCamera>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>

namespace scanner {

ScannerScreen::ScannerScreen(UserDefaults &defaults, const Clock &clock, NotificationCenter &centre,
                             QObject *parent)
    : QObject(parent), m_defaults(defaults), m_relay(new ScanRelay(defaults, clock, this)),
      m_ownSink(new QVideoSink(this)), m_restart(new QTimer(this)), m_frameGap(new QTimer(this))
{
    m_sink = m_ownSink;
    m_restart->setSingleShot(true);
    m_restart->setInterval(kRestartMs);
    connect(m_restart, &QTimer::timeout, this, &ScannerScreen::start);
    m_frameGap->setSingleShot(true);
    m_frameGap->setInterval(kFrameGapMs);
    connect(m_ownSink, &QVideoSink::videoFrameChanged, this, &ScannerScreen::frameArrived);
    connect(m_relay, &ScanRelay::statusChanged, this, &ScannerScreen::statusChanged);
    connect(&defaults, &UserDefaults::changed, this, [this](const QString &key) {
        if (key == QLatin1String(kHostKey) || key == QLatin1String(kPortKey) ||
            key == QLatin1String(kAutoKey))
            emit settingsChanged();
    });
    centre.observe(QString::fromLatin1(notifications::AppGoesBackground), this,
                   [this](const QVariant &) {
                       stop();
                       // Only while the page is open: it hands us its preview's sink.
                       if (m_sink != m_ownSink)
                           emit leaveRequested();
                   });
}

ScannerScreen::~ScannerScreen()
{
    // The session lets go of the camera before either goes.
    if (m_session)
        m_session->setCamera(nullptr);
}

void ScannerScreen::toggleReading()
{
    if (m_reading)
        stop();
    else
        start();
}

void ScannerScreen::start()
{
    m_restart->stop();
    if (m_reading)
        return;
    watchCameras();
    if (m_devices.isEmpty()) {
        qWarning("Error creating capture device input: %s", kNoCamera);
        setCameraStatus(tr(kNoCamera));
        return;
    }
    setCameraStatus({});
    // Made with the first camera only: without one there is nothing to capture.
    if (!m_session)
        m_session = std::make_unique<QMediaCaptureSession>();
    const QCameraDevice device = m_devices.value(m_cameraIndex, m_devices.constFirst());
    if (!m_camera || m_camera->cameraDevice() != device) {
        delete m_camera;
        m_camera = new QCamera(device, this);
        connect(m_camera, &QCamera::errorOccurred, this,
                [this](QCamera::Error, const QString &description) {
                    qWarning("Error creating capture device input: %s", qPrintable(description));
                    setCameraStatus(description);
                    stop();
                });
        m_session->setCamera(m_camera);
    }
    m_session->setVideoSink(m_sink ? m_sink.data() : m_ownSink);
    m_camera->start();
    m_reading = true;
    emit readingChanged();
}

void ScannerScreen::stop()
{
    m_restart->stop();
    if (m_camera)
        m_camera->stop();
    if (!m_reading)
        return;
    m_reading = false;
    emit readingChanged();
}

void ScannerScreen::switchCamera()
{
    if (m_devices.size() < 2)
        return;
    const QCameraDevice::Position now = m_devices.value(m_cameraIndex).position();
    const QCameraDevice::Position wanted =
        now == QCameraDevice::BackFace ? QCameraDevice::FrontFace : QCameraDevice::BackFace;
    int next = (m_cameraIndex + 1) % int(m_devices.size());
    for (int i = 0; i < m_devices.size(); ++i)
        if (i != m_cameraIndex && m_devices.at(i).position() == wanted)
            next = i;
    const bool wasReading = m_reading;
    stop();
    m_cameraIndex = next;
    emit camerasChanged();
    if (wasReading)
        start();
}

QString ScannerScreen::setPort(const QString &text)
{
    bool ok = false;
    const qint64 port = text.trimmed().toLongLong(&ok);
    if (!ok)
        return shownPortProblem(70000);
    if (const QString problem = shownPortProblem(port); !problem.isEmpty())
        return problem;
    m_defaults.setValue(QString::fromLatin1(kPortKey), port);
    return {};
}

bool ScannerScreen::scanImage(const QImage &image)
{
    const std::optional<QString> text = readQrCode(image);
    if (!text)
        return false;
    detected(*text);
    return true;
}

QString ScannerScreen::startTitle() const
{
    return m_reading ? tr("Stop") : tr("Start");
}

QString ScannerScreen::host() const
{
    return m_defaults.string(QString::fromLatin1(kHostKey));
}

void ScannerScreen::setHost(const QString &host)
{
    if (host != this->host())
        m_defaults.setValue(QString::fromLatin1(kHostKey), host.trimmed());
}

int ScannerScreen::port() const
{
    return int(shownPort(m_defaults));
}

bool ScannerScreen::autoScan() const
{
    return m_defaults.boolean(QString::fromLatin1(kAutoKey));
}

void ScannerScreen::setAutoScan(bool on)
{
    if (on != autoScan())
        m_defaults.setValue(QString::fromLatin1(kAutoKey), on);
}

QStringList ScannerScreen::cameras() const
{
    QStringList names;
    for (const QCameraDevice &device : m_devices)
        names << device.description();
    return names;
}

QString ScannerScreen::cameraName() const
{
    return m_devices.isEmpty() ? tr(kNoCamera) : m_devices.value(m_cameraIndex).description();
}

QString ScannerScreen::status() const
{
    return m_cameraStatus.isEmpty() ? m_relay->shownStatus() : m_cameraStatus;
}

bool ScannerScreen::statusIsError() const
{
    return !m_cameraStatus.isEmpty() || m_relay->failed();
}

void ScannerScreen::setVideoSink(QVideoSink *sink)
{
    if (sink == m_sink)
        return;
    if (m_sink && m_sink != m_ownSink)
        disconnect(m_sink, nullptr, this, nullptr);
    m_sink = sink ? sink : m_ownSink;
    if (m_sink != m_ownSink)
        watchCameras(); // the page is open
    if (m_sink != m_ownSink)
        connect(m_sink, &QVideoSink::videoFrameChanged, this, &ScannerScreen::frameArrived);
    if (m_reading && m_session)
        m_session->setVideoSink(m_sink);
    emit videoSinkChanged();
}

bool ScannerScreen::restartPending() const
{
    return m_restart->isActive();
}

void ScannerScreen::watchCameras()
{
    // Asked for only once the page is open: looking for cameras wakes the whole media
    // back end, which the rest of the application does not need.
    if (m_mediaDevices)
        return;
    m_mediaDevices = new QMediaDevices(this);
    connect(m_mediaDevices, &QMediaDevices::videoInputsChanged, this,
            &ScannerScreen::refreshCameras);
    refreshCameras();
}

void ScannerScreen::refreshCameras()
{
    m_devices = QMediaDevices::videoInputs();
    // The back camera first where there is one: a card is held in front of it.
    const QCameraDevice preferred = QMediaDevices::defaultVideoInput();
    m_cameraIndex = std::max(0, int(m_devices.indexOf(preferred)));
    for (int i = 0; i < m_devices.size(); ++i)
        if (m_devices.at(i).position() == QCameraDevice::BackFace) {
            m_cameraIndex = i;
            break;
        }
    if (m_devices.isEmpty())
        stop();
    emit camerasChanged();
}

void ScannerScreen::frameArrived(const QVideoFrame &frame)
{
    if (!m_reading || m_frameGap->isActive() || !frame.isValid())
        return;
    m_frameGap->start();
    scanImage(frame.toImage());
}

void ScannerScreen::detected(const QString &text)
{
    stop();
    m_text = text;
    emit textChanged();
    beep();
    m_relay->send(text);
    emit statusChanged();
    if (autoScan())
        m_restart->start();
}

void ScannerScreen::beep()
{
    if (!m_beep && QMediaDevices::audioOutputs().isEmpty()) {
        // Said once; the scans go on without sound.
        if (!m_beepMissing)
            qWarning("Could not play beep file. No audio output");
        m_beepMissing = true;
        return;
    }
    if (!m_beep) {
        m_beep = new QSoundEffect(this);
        connect(m_beep, &QSoundEffect::statusChanged, this, [this] {
            if (m_beep->status() == QSoundEffect::Error)
                qWarning("Could not play beep file. %s", qPrintable(m_beep->source().toString()));
        });
        m_beep->setSource(QUrl(QStringLiteral("qrc:/scanner/beep.wav")));
    }
    if (m_beep->status() != QSoundEffect::Error)
        m_beep->play();
}

void ScannerScreen::setCameraStatus(const QString &text)
{
    if (text == m_cameraStatus)
        return;
    m_cameraStatus = text;
    emit statusChanged();
}

} // namespace scanner

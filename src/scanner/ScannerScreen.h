#pragma once

#include <QCameraDevice>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVideoSink>

#include <memory>

class Clock;
class QCamera;
class QMediaCaptureSession;
class QMediaDevices;
class QSoundEffect;
class QTimer;
class QVideoFrame;
class UserDefaults;

namespace scanner {

class ScanRelay;

/** The scanner screen of both layouts: reads the QR code on a QSL card with the camera and
 *  relays its text to the desktop logbook. "Start" begins reading (the button then says
 *  "Stop"); the first QR code seen stops it, shows its text, beeps and sends it; with
 *  "ScanAuto" reading starts again after 1 s. The settings (host, port, auto) are stored as they
 *  are changed. Frames come from the preview's video sink; `scanImage` takes any image the same
 *  way, so the path from picture to datagram works without a camera. The cameras are looked
 *  for once the page hands over its preview (or Start is pressed). */
class ScannerScreen : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool reading READ reading NOTIFY readingChanged)
    Q_PROPERTY(QString startTitle READ startTitle NOTIFY readingChanged)
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(QString host READ host WRITE setHost NOTIFY settingsChanged)
    Q_PROPERTY(int port READ port NOTIFY settingsChanged)
    Q_PROPERTY(bool autoScan READ autoScan WRITE setAutoScan NOTIFY settingsChanged)
    Q_PROPERTY(QStringList cameras READ cameras NOTIFY camerasChanged)
    Q_PROPERTY(bool hasCamera READ hasCamera NOTIFY camerasChanged)
    /** The camera switch: only with two cameras or more. */
    Q_PROPERTY(bool cameraSwitchShown READ cameraSwitchShown NOTIFY camerasChanged)
    Q_PROPERTY(QString cameraName READ cameraName NOTIFY camerasChanged)
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)
    Q_PROPERTY(bool statusIsError READ statusIsError NOTIFY statusChanged)
    /** The preview's sink (VideoOutput.videoSink): the camera draws into it, frames are read
     *  from it. */
    Q_PROPERTY(QVideoSink *videoSink READ videoSink WRITE setVideoSink NOTIFY videoSinkChanged)
public:
    static constexpr int kRestartMs = 1000;
    /** Frames are read at most this often; the preview shows them all. */
    static constexpr int kFrameGapMs = 150;
    static constexpr char kNoCamera[] = QT_TRANSLATE_NOOP("scanner::ScannerScreen", "No camera");

    ScannerScreen(UserDefaults &defaults, const Clock &clock, QObject *parent = nullptr);
    ~ScannerScreen() override;

    /** Start or Stop. */
    Q_INVOKABLE void toggleReading();
    Q_INVOKABLE void start();
    Q_INVOKABLE void stop();
    /** The application went to the background: the camera is let go, and an open page asks
     *  to be left (`leaveRequested`). */
    void wentToBackground();
    /** The other camera: back becomes front, anything else back. */
    Q_INVOKABLE void switchCamera();
    /** Takes a port typed by the user; the reason it is refused, empty when stored. */
    Q_INVOKABLE QString setPort(const QString &text);
    /** Looks for a QR code in the image as in a camera frame, and acts on it whatever the
     *  reading state; true when one was found. */
    Q_INVOKABLE bool scanImage(const QImage &image);

    [[nodiscard]] bool reading() const { return m_reading; }
    [[nodiscard]] QString startTitle() const;
    [[nodiscard]] const QString &text() const { return m_text; }
    [[nodiscard]] QString host() const;
    void setHost(const QString &host);
    [[nodiscard]] int port() const;
    [[nodiscard]] bool autoScan() const;
    void setAutoScan(bool on);
    [[nodiscard]] QStringList cameras() const;
    [[nodiscard]] bool hasCamera() const { return !m_devices.isEmpty(); }
    [[nodiscard]] bool cameraSwitchShown() const { return m_devices.size() >= 2; }
    [[nodiscard]] QString cameraName() const;
    [[nodiscard]] QString status() const;
    [[nodiscard]] bool statusIsError() const;
    [[nodiscard]] QVideoSink *videoSink() const { return m_sink; }
    void setVideoSink(QVideoSink *sink);

    [[nodiscard]] ScanRelay &relay() { return *m_relay; }
    /** A restart after a scan with "ScanAuto" is waiting. */
    [[nodiscard]] bool restartPending() const;

signals:
    void readingChanged();
    void textChanged();
    void settingsChanged();
    void camerasChanged();
    void statusChanged();
    void videoSinkChanged();
    /** The application went to the background while the page was open (it had handed over its
     *  preview); the phone's shell then leaves the page. */
    void leaveRequested();

private:
    void watchCameras();
    void refreshCameras();
    void frameArrived(const QVideoFrame &frame);
    void detected(const QString &text);
    void beep();
    void setCameraStatus(const QString &text);

    UserDefaults &m_defaults;
    ScanRelay *m_relay;
    std::unique_ptr<QMediaCaptureSession> m_session;
    QCamera *m_camera = nullptr;
    QPointer<QVideoSink> m_sink;
    QVideoSink *m_ownSink;
    QMediaDevices *m_mediaDevices = nullptr;
    QList<QCameraDevice> m_devices;
    int m_cameraIndex = 0;
    QSoundEffect *m_beep = nullptr;
    bool m_beepMissing = false;
    QTimer *m_restart;
    QTimer *m_frameGap;
    bool m_reading = false;
    QString m_text;
    QString m_cameraStatus; // a camera failure, shown until the next start
};

} // namespace scanner

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/** What the application was asked to do on its command line. */
struct LaunchOptions {
    enum class Layout { Automatic, Phone, Tablet };
    enum class Theme { System, Light, Dark };

    Layout layout = Layout::Automatic;
    Theme theme = Theme::System;
    /** "DX_Cluster", "New_Qso" or "QSLs": the home-screen shortcuts of a phone. */
    QString shortcut;
    /** Render every screen into this folder and quit. */
    QString screenshotDir;
    /** Report when the first frame showed the log list filled, and the memory used, and quit. */
    bool startupProbe = false;
    /** Files handed to the application (".adi", ".adif", ".rlog"). */
    QStringList files;
    bool help = false;

    /** Nothing, with the reason in `error`, for arguments that make no sense. "--data-dir" is
     *  accepted here and read by the data folder. */
    [[nodiscard]] static std::optional<LaunchOptions> parse(const QStringList &arguments,
                                                            QString *error = nullptr);
    /** The help text of the options. */
    [[nodiscard]] static QString usage();
};

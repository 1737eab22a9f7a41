#pragma once

/** The words of the log list's menus, questions and notices, each defined once. */
namespace loglisttexts {

inline constexpr char kMenuTitle[] = "QSO Menu";
inline constexpr char kShowInfo[] = "Show Info";
inline constexpr char kShowQso[] = "Show QSO";
inline constexpr char kEditQso[] = "Edit QSO";
inline constexpr char kDeleteQso[] = "Delete QSO";
inline constexpr char kSelectQso[] = "Select QSO";
inline constexpr char kDeselectQso[] = "Deselect QSO";
inline constexpr char kSelectAllDown[] = "Select QSO and all further down";
inline constexpr char kDeselectAll[] = "Deselect all QSO";
inline constexpr char kHamQth[] = "HamQTH";
inline constexpr char kQrz[] = "QRZ";

inline constexpr char kDeleteQuestion[] = "Delete this QSO?";
inline constexpr char kCancel[] = "Cancel";
inline constexpr char kOkay[] = "Okay";

inline constexpr char kNoticeKey[] = "Alert_5_0_0";
inline constexpr char kNoticeTitle[] = "Note the following important changes:";
inline constexpr char kNoticeText[] =
    "See the Help section for more information about log synchronisation!\n\nNote the new "
    "contextual menus in the logbook and dx-cluster tables!";
inline constexpr char kDontShowAgain[] = "Don't show again";

inline constexpr char kExportTitle[] = "Brindlewick";
inline constexpr char kExportSaved[] = "Successfully uploaded file %1";
inline constexpr char kExportNotSaved[] = "Could not save %1: %2";
inline constexpr char kExportNotWritten[] = "Could not write the export file into %1.";

} // namespace loglisttexts

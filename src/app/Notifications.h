#pragma once

/** The broadcast names shared by senders and receivers, each defined once. */
namespace notifications {

inline constexpr char NewLogSelected[] = "NewLogSelected";
inline constexpr char PrefsWereChanged[] = "PrefsWereChanged";
inline constexpr char DxPrefsWereChanged[] = "DxPrefsWereChanged";
inline constexpr char UserFieldPrefsChanged[] = "UserFieldPrefsChanged";
inline constexpr char DownloadableDataChanged[] = "downloadableDataChanged";
inline constexpr char TrxDataChanged[] = "TRX_Data_changed";
inline constexpr char SetTrxData[] = "Set_TRX_Data";
inline constexpr char Qso4Log[] = "QSO4Log";
inline constexpr char Qso4Log1[] = "QSO4Log1";
inline constexpr char NewEndLocationSet[] = "NewEndLocationSet";
inline constexpr char AppGoesBackground[] = "AppGoesBackground";
inline constexpr char K3PrefsWereChanged[] = "K3PrefsWereChanged";
inline constexpr char AddQso[] = "AddQSO";
inline constexpr char ConnectToCluster[] = "ConnectToCluster";

} // namespace notifications

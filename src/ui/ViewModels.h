#pragma once

// The core's view-models as QML types. They need the application object, so QML never makes
// them; it receives them from the shell.

#include "awards/AwardsScreen.h"
#include "cluster/ClusterScreen.h"
#include "dxcc/DxccScreen.h"
#include "entry/LogListModel.h"
#include "entry/PileUp.h"
#include "entry/QsoEditor.h"
#include "entry/QsoEntryForm.h"
#include "map/GraylineMapItem.h"
#include "map/GraylineScreen.h"
#include "scanner/ReceivedCards.h"
#include "scanner/ScanReceiver.h"
#include "scanner/ScannerScreen.h"
#include "services/ClublogScreen.h"
#include "services/EqslScreen.h"
#include "services/LookupScreen.h"
#include "services/LookupSettings.h"
#include "services/LotwScreen.h"
#include "services/QrzScreen.h"
#include "services/QslResultModel.h"
#include "services/UploadScreen.h"
#include "services/WavelogScreen.h"
#include "shell/AdifImportScreen.h"
#include "shell/AppShell.h"
#include "shell/BandTableSettings.h"
#include "shell/CountryFileSettings.h"
#include "shell/DateStyleSettings.h"
#include "shell/LanguageSettings.h"
#include "shell/LogbookFileImport.h"
#include "shell/LogbookSelection.h"
#include "shell/MemberListDownload.h"
#include "shell/Screen.h"
#include "shell/StationSettings.h"
#include "shell/UserFieldSettings.h"
#include "shell/WsjtxSettings.h"
#include "station/ActivationPanel.h"
#include "station/ProfileEditor.h"
#include "station/StationProfiles.h"
#include "stats/StatisticsChartItem.h"
#include "sync/SyncScreen.h"
#include "trx/ElecraftPanel.h"
#include "trx/TrxScreen.h"

#include <QtQml/qqml.h>

// The screens' enum, as `Screens.NewQso` and so on.
struct ScreensForeign {
    Q_GADGET
    QML_FOREIGN(Screens)
    QML_NAMED_ELEMENT(Screens)
    QML_UNCREATABLE("only holds the screens' enum")
};

struct AppShellForeign {
    Q_GADGET
    QML_FOREIGN(AppShell)
    QML_NAMED_ELEMENT(AppShell)
    QML_UNCREATABLE("made by the application shell")
};

struct AdifImportScreenForeign {
    Q_GADGET
    QML_FOREIGN(AdifImportScreen)
    QML_NAMED_ELEMENT(AdifImportScreen)
    QML_UNCREATABLE("made by the application shell")
};

struct BandTableSettingsForeign {
    Q_GADGET
    QML_FOREIGN(BandTableSettings)
    QML_NAMED_ELEMENT(BandTableSettings)
    QML_UNCREATABLE("made by the application shell")
};

struct CountryFileSettingsForeign {
    Q_GADGET
    QML_FOREIGN(CountryFileSettings)
    QML_NAMED_ELEMENT(CountryFileSettings)
    QML_UNCREATABLE("made by the application shell")
};

struct DateStyleSettingsForeign {
    Q_GADGET
    QML_FOREIGN(DateStyleSettings)
    QML_NAMED_ELEMENT(DateStyleSettings)
    QML_UNCREATABLE("made by the application shell")
};

struct LanguageSettingsForeign {
    Q_GADGET
    QML_FOREIGN(LanguageSettings)
    QML_NAMED_ELEMENT(LanguageSettings)
    QML_UNCREATABLE("made by the application shell")
};

struct LogbookFileImportForeign {
    Q_GADGET
    QML_FOREIGN(LogbookFileImport)
    QML_NAMED_ELEMENT(LogbookFileImport)
    QML_UNCREATABLE("made by the application shell")
};

struct LogbookSelectionForeign {
    Q_GADGET
    QML_FOREIGN(LogbookSelection)
    QML_NAMED_ELEMENT(LogbookSelection)
    QML_UNCREATABLE("made by the application shell")
};

struct MemberListDownloadForeign {
    Q_GADGET
    QML_FOREIGN(MemberListDownload)
    QML_NAMED_ELEMENT(MemberListDownload)
    QML_UNCREATABLE("made by the application shell")
};

struct StationSettingsForeign {
    Q_GADGET
    QML_FOREIGN(StationSettings)
    QML_NAMED_ELEMENT(StationSettings)
    QML_UNCREATABLE("made by the application shell")
};

struct StationProfilesForeign {
    Q_GADGET
    QML_FOREIGN(StationProfiles)
    QML_NAMED_ELEMENT(StationProfiles)
    QML_UNCREATABLE("made by the application shell")
};

struct ProfileEditorForeign {
    Q_GADGET
    QML_FOREIGN(ProfileEditor)
    QML_NAMED_ELEMENT(ProfileEditor)
    QML_UNCREATABLE("made by the application shell")
};

struct ActivationPanelForeign {
    Q_GADGET
    QML_FOREIGN(ActivationPanel)
    QML_NAMED_ELEMENT(ActivationPanel)
    QML_UNCREATABLE("made by the application shell")
};

struct UserFieldSettingsForeign {
    Q_GADGET
    QML_FOREIGN(UserFieldSettings)
    QML_NAMED_ELEMENT(UserFieldSettings)
    QML_UNCREATABLE("made by the application shell")
};

struct QsoEntryFormForeign {
    Q_GADGET
    QML_FOREIGN(QsoEntryForm)
    QML_NAMED_ELEMENT(QsoEntryForm)
    QML_UNCREATABLE("made by the application shell")
};

struct LogListModelForeign {
    Q_GADGET
    QML_FOREIGN(LogListModel)
    QML_NAMED_ELEMENT(LogListModel)
    QML_UNCREATABLE("made by the application shell")
};

struct QsoEditorForeign {
    Q_GADGET
    QML_FOREIGN(QsoEditor)
    QML_NAMED_ELEMENT(QsoEditor)
    QML_UNCREATABLE("made by the application shell")
};

struct PileUpForeign {
    Q_GADGET
    QML_FOREIGN(PileUp)
    QML_NAMED_ELEMENT(PileUp)
    QML_UNCREATABLE("made by the application shell")
};

// The DX cluster screen and its parts.
struct ClusterScreenForeign {
    Q_GADGET
    QML_FOREIGN(cluster::ClusterScreen)
    QML_NAMED_ELEMENT(ClusterScreen)
    QML_UNCREATABLE("made by the application shell")
};

struct TerminalModelForeign {
    Q_GADGET
    QML_FOREIGN(cluster::TerminalModel)
    QML_NAMED_ELEMENT(TerminalModel)
    QML_UNCREATABLE("made by the cluster screen")
};

struct SpotTableModelForeign {
    Q_GADGET
    QML_FOREIGN(cluster::SpotTableModel)
    QML_NAMED_ELEMENT(SpotTableModel)
    QML_UNCREATABLE("made by the cluster screen")
};

struct ClusterNodeListForeign {
    Q_GADGET
    QML_FOREIGN(cluster::ClusterNodeList)
    QML_NAMED_ELEMENT(ClusterNodeList)
    QML_UNCREATABLE("made by the cluster screen")
};

struct ClusterMacrosForeign {
    Q_GADGET
    QML_FOREIGN(cluster::ClusterMacros)
    QML_NAMED_ELEMENT(ClusterMacros)
    QML_UNCREATABLE("made by the cluster screen")
};

struct ClusterOptionsForeign {
    Q_GADGET
    QML_FOREIGN(cluster::ClusterOptions)
    QML_NAMED_ELEMENT(ClusterOptions)
    QML_UNCREATABLE("made by the cluster screen")
};

// The grayline map screen and the item that draws its map.
struct GraylineScreenForeign {
    Q_GADGET
    QML_FOREIGN(map::GraylineScreen)
    QML_NAMED_ELEMENT(GraylineScreen)
    QML_UNCREATABLE("made by the application shell")
};

struct GraylineMapItemForeign {
    Q_GADGET
    QML_FOREIGN(GraylineMapItem)
    QML_NAMED_ELEMENT(GraylineMapItem)
};

// The statistics screen, its chart and its list of entities.
struct StatisticsScreenForeign {
    Q_GADGET
    QML_FOREIGN(stats::StatisticsScreen)
    QML_NAMED_ELEMENT(StatisticsScreen)
    QML_UNCREATABLE("made by the application shell")
};

struct EntitySpanModelForeign {
    Q_GADGET
    QML_FOREIGN(stats::EntitySpanModel)
    QML_NAMED_ELEMENT(EntitySpanModel)
    QML_UNCREATABLE("made by the statistics screen")
};

struct StatisticsChartItemForeign {
    Q_GADGET
    QML_FOREIGN(StatisticsChartItem)
    QML_NAMED_ELEMENT(StatisticsChartItem)
};

// The awards beside DXCC.
struct AwardsScreenForeign {
    Q_GADGET
    QML_FOREIGN(awards::AwardsScreen)
    QML_NAMED_ELEMENT(AwardsScreen)
    QML_UNCREATABLE("made by the application shell")
};

// The DXCC tab: the counter and the DX list.
struct DxccScreenForeign {
    Q_GADGET
    QML_FOREIGN(dxcc::DxccScreen)
    QML_NAMED_ELEMENT(DxccScreen)
    QML_UNCREATABLE("made by the application shell")
};

struct DxccCounterForeign {
    Q_GADGET
    QML_FOREIGN(dxcc::DxccCounter)
    QML_NAMED_ELEMENT(DxccCounter)
    QML_UNCREATABLE("made by the DXCC screen")
};

struct DxccCounterModelForeign {
    Q_GADGET
    QML_FOREIGN(dxcc::DxccCounterModel)
    QML_NAMED_ELEMENT(DxccCounterModel)
    QML_UNCREATABLE("made by the DXCC screen")
};

struct DxListForeign {
    Q_GADGET
    QML_FOREIGN(dxcc::DxList)
    QML_NAMED_ELEMENT(DxList)
    QML_UNCREATABLE("made by the DXCC screen")
};

struct DxListModelForeign {
    Q_GADGET
    QML_FOREIGN(dxcc::DxListModel)
    QML_NAMED_ELEMENT(DxListModel)
    QML_UNCREATABLE("made by the DXCC screen")
};

// The QSL tab: LoTW and eQSL.
struct LotwScreenForeign {
    Q_GADGET
    QML_FOREIGN(LotwScreen)
    QML_NAMED_ELEMENT(LotwScreen)
    QML_UNCREATABLE("made by the application shell")
};

struct EqslScreenForeign {
    Q_GADGET
    QML_FOREIGN(EqslScreen)
    QML_NAMED_ELEMENT(EqslScreen)
    QML_UNCREATABLE("made by the application shell")
};

struct ClublogScreenForeign {
    Q_GADGET
    QML_FOREIGN(ClublogScreen)
    QML_NAMED_ELEMENT(ClublogScreen)
    QML_UNCREATABLE("made by the application shell")
};

struct UploadScreenForeign {
    Q_GADGET
    QML_FOREIGN(UploadScreen)
    QML_NAMED_ELEMENT(UploadScreen)
    QML_UNCREATABLE("the base of the QRZ.com and Wavelog screens")
};

struct QrzScreenForeign {
    Q_GADGET
    QML_FOREIGN(QrzScreen)
    QML_NAMED_ELEMENT(QrzScreen)
    QML_UNCREATABLE("made by the application shell")
};

struct WavelogScreenForeign {
    Q_GADGET
    QML_FOREIGN(WavelogScreen)
    QML_NAMED_ELEMENT(WavelogScreen)
    QML_UNCREATABLE("made by the application shell")
};

struct QslResultModelForeign {
    Q_GADGET
    QML_FOREIGN(QslResultModel)
    QML_NAMED_ELEMENT(QslResultModel)
    QML_UNCREATABLE("made by the QSL screens")
};

// The transceiver screen.
struct TrxScreenForeign {
    Q_GADGET
    QML_FOREIGN(trx::TrxScreen)
    QML_NAMED_ELEMENT(TrxScreen)
    QML_UNCREATABLE("made by the application shell")
};

// The Elecraft K3/KX2/KX3 front panel.
struct ElecraftPanelForeign {
    Q_GADGET
    QML_FOREIGN(trx::ElecraftPanel)
    QML_NAMED_ELEMENT(ElecraftPanel)
    QML_UNCREATABLE("made by the application shell")
};

struct WsjtxSettingsForeign {
    Q_GADGET
    QML_FOREIGN(WsjtxSettings)
    QML_NAMED_ELEMENT(WsjtxSettings)
    QML_UNCREATABLE("made by the application shell")
};
struct SyncScreenForeign {
    Q_GADGET
    QML_FOREIGN(SyncScreen)
    QML_NAMED_ELEMENT(SyncScreen)
    QML_UNCREATABLE("made by the application shell")
};

// The callsign lookup page.
struct LookupScreenForeign {
    Q_GADGET
    QML_FOREIGN(LookupScreen)
    QML_NAMED_ELEMENT(LookupScreen)
    QML_UNCREATABLE("made by the application shell")
};

struct LookupSettingsForeign {
    Q_GADGET
    QML_FOREIGN(LookupSettings)
    QML_NAMED_ELEMENT(LookupSettings)
    QML_UNCREATABLE("made by the application shell")
};

struct ScannerScreenForeign {
    Q_GADGET
    QML_FOREIGN(scanner::ScannerScreen)
    QML_NAMED_ELEMENT(ScannerScreen)
    QML_UNCREATABLE("made by the application shell")
};

struct ScanReceiverForeign {
    Q_GADGET
    QML_FOREIGN(scanner::ScanReceiver)
    QML_NAMED_ELEMENT(ScanReceiver)
    QML_UNCREATABLE("made by the application shell")
};

struct ReceivedCardsForeign {
    Q_GADGET
    QML_FOREIGN(scanner::ReceivedCards)
    QML_NAMED_ELEMENT(ReceivedCards)
    QML_UNCREATABLE("made by the scanner's receiver")
};

// Contest logging.
struct ContestScreenForeign {
    Q_GADGET
    QML_FOREIGN(ContestScreen)
    QML_NAMED_ELEMENT(ContestScreen)
    QML_UNCREATABLE("made by the application shell")
};

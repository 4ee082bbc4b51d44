#pragma once

#include "db/EventColors.h"
#include "db/Status.h"
#include "publish/ResultsPrintChoice.h"
#include "standings/EventNames.h"
#include "standings/LiveStandings.h"

#include <QMainWindow>
#include <array>

class ORLEMain;
class PrintSink;
class frmChooseDownload;
class frmChooseResults;
class Prompter;
class QAction;
class QLabel;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QTableWidget;
class RacePanel;

// The results window: the live standings of one event or the school standings, recomputed
// from the bout records whenever the view changes or the window comes to the front.
class frmShowResults final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmShowResults)

public:
    enum Tab { Individual = 0, Schools = 1 };

    frmShowResults(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the window, on the current event when it was closed, and brings it to the front.
    void Open();
    // Recomputes and shows one tab: the event or the school variant its scroll bar selects.
    void Refresh(int index);

    // Prints the round-robin table of one event, landscape, `copies` times, titled with the
    // progress text of the print run and placed by its places.
    Status DoGrid(int event, int copies, const QString& progressText, const PlaceOf& placeOf,
                  PrintSink& sink);

    // Asks for the download type and writes the download file beside the championship file.
    void bDownload_Click();
    // Writes the download file of that type ("TXT", "XML" or "HTML"); nothing when empty.
    void RunDownload(const QString& downloadType);
    // Asks where to write the FIE XML file of the event the individual tab shows, and
    // writes it.
    void mFieXml_Click();
    // Asks what to print and prints it.
    void bPrint_Click();
    // Prints the school reports and the events' lists (previewed) and tables (to the printer),
    // then returns to the view the user left.
    void RunPrint(const ResultsPrintChoice& choice);

    // The dialogs, created on first use and kept with the window.
    frmChooseDownload& downloadChooser();
    frmChooseResults& printChooser();
    // Tests catch every printout here instead of the preview and the printer.
    void setPrintSink(PrintSink* sink) { m_sink = sink; }

    // What the last refresh of the individual tab computed: rows, progress, Final Four.
    const LiveStandings& standings() const { return m_standings; }

    // Reads the file again while the window is open: after another file was opened or
    // results were entered or wiped elsewhere.
    void Reload();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    QWidget* buildTab(int index);
    RacePanel* buildRacePanel(int index, QWidget* page);
    void buildMenus();
    void Form_Load();
    void showIndividual();
    void showSchools();
    void showCaption(const QString& reportName, ColorValue background);
    void setWeaponMenuEnabled(bool enabled);
    void mWeapon_Click(int event);
    void report(const Status& status);
    Status printAll(const ResultsPrintChoice& choice);

    ORLEMain& m_state;
    Prompter& m_prompter;
    EventNames m_events;
    LiveStandings m_standings;
    QString m_lastFailure;
    PrintSink* m_sink = nullptr;
    frmChooseDownload* m_downloadChooser = nullptr;
    frmChooseResults* m_printChooser = nullptr;

    QTabWidget* tabCategory = nullptr;
    std::array<QScrollBar*, 2> hsReport{};
    std::array<QTableWidget*, 2> fpResults{};
    std::array<RacePanel*, 2> m_races{};
    QLabel* lReportName = nullptr;
    QLabel* lLastRound = nullptr;
    QLabel* lFinalFour = nullptr;
    QLabel* lDownloading = nullptr;
    QPushButton* bPrint = nullptr;
    QPushButton* bDownload = nullptr;
    QPushButton* bExit = nullptr;
    QAction* mPrint = nullptr;
    QAction* mDownload = nullptr;
    QMenu* m_weaponMenu = nullptr;
    std::array<QAction*, 6> mWeapon{};
};

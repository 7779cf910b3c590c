// The analyzer's main window without its widgets: start-up, the Start button's cycle over the
// scan driver, the settings model, the stored results and the files of a run. The window binds
// its controls to this object; trickscan-batch drives it without a window.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "CountingTables.h"
#include "ExpectedFreq.h"
#include "FitOdds.h"
#include "LibraryFile.h"
#include "Modes.h"
#include "ResultFile.h"
#include "ScanDriver.h"
#include "Settings.h"

namespace lott {

// The table window as the run sees it: not shown, shown and live (it follows every counted
// deal), closed during a run and its Table button enabled again, or showing a run that ended.
enum class TableState { NotShown = 0, Live = 1, ButtonReEnabled = 4, Finished = 5 };

// The Start button's cycle, which its caption shows: idle ("Start"), a run going ("Working"),
// a stop asked for ("Stopped"), a run ended ("Finished", also after a stop) or failed
// ("Stopped"). A click on an ended or stopping run makes the button idle again.
enum class RunState { Idle, Working, Stopping, Stopped, Finished, Failed };

// How the last press of Start (or the debug box's Enter) ended.
enum class RunEnd {
    None,           // nothing pressed yet
    Completed,      // every deal counted (and, from Start, the result file written)
    Stopped,        // stopped on request: the deals so far are counted, no result is stored
    Failed,         // a file could not be read or written; nothing is stored
    Refused,        // nothing was run: see Refusal
    NothingToScan,  // "Deals to be Scanned" named no deal
};
enum class Refusal { None, NoHcpRange, NoNTChoice, NoPreset, NotAWholeNumber, NoDeals };

struct RunReport {
    RunEnd end = RunEnd::None;
    Refusal refusal = Refusal::None;
    // What the window says about it: why the run failed or was refused ("" when it says
    // nothing more).
    std::string message;
};

class Analyzer : private ScanListener {
  public:
    enum class StartState { Running, LibraryMissing, ArchiveRefused, FolderProblem };

    explicit Analyzer(std::filesystem::path programFolder);

    // Start-up (the window's Form_Load without its drawing). archiveRefused is the answer of
    // the archive-folder check for this folder; language is Japanese when a Japanese font was
    // found.
    StartState Load(bool archiveRefused, lott::Language language);

    // --- state the window shows ---------------------------------------------------------------
    std::filesystem::path folder;
    std::filesystem::path DataDir;
    bool ScreenShotMode = false;
    bool DebugMode = false;
    lott::Language Language = lott::Language::English;
    LibraryChoice library;
    std::string tBox;             // "Deals to be Scanned"
    std::string lblNo = "count";  // the deal being scanned
    std::string message;          // what the window says about the last action, if anything
    bool messageIsNotice = false;  // the message tells of something done, not of a fault
    std::array<std::string, 3> Headers;
    std::string problem;  // why the start-up ended in FolderProblem

    CountingTables tables;
    ExpectedFreq freq;
    FitOddsTable fitOdds;
    Settings settings;
    ScanDriver driver;

    // The table window's state; the window sets NotShown when it closes the live table and Live
    // when it opens one.
    lott::TableState TableState = lott::TableState::NotShown;

    std::string IdleCaption() const {
        return Language == lott::Language::Japanese ? "開 始" : "Start";
    }
    // The Start button's caption: its state in words.
    std::string StartCaption() const;
    RunState State() const { return runState_; }
    // The Start button idle again (the window's language switch does this).
    void ShowIdle() { runState_ = RunState::Idle; }
    const RunReport& LastRun() const { return report_; }

    // --- the window's hooks -------------------------------------------------------------------
    std::function<void()> beep;
    // Opens the table window at the start of a run (TableState is already 1).
    std::function<void()> LoadTab;
    // A counted deal while the live table is shown: redraws the cells it touched.
    std::function<void(int kind, int length, int dev, const EventCounts& events)> WriteTable;
    // The run counted its last deal (finished, stopped or failed) while the live table is shown:
    // every cell again from the tables and the run's settings, as its result will be shown.
    std::function<void(const Settings&)> WriteWholeTable;
    // A progress point of the run: show lblNo and serve the window system.
    std::function<void(std::int32_t dealNo)> progress;
    // The table button of the running preset was enabled again.
    std::function<void()> buttonsChanged;
    // A run finished and its result file was written: the tables and settings it ended with,
    // before the result buttons' refresh clears the tables.
    std::function<void(const CountingTables&, const Settings&)> runCompleted;
    // Called about every 50 ms while another run is scanning this folder (message says so);
    // false gives the run up. Unset: the run waits.
    std::function<bool()> waiting;

    // --- actions ------------------------------------------------------------------------------
    // The Start button; reads "Deals to be Scanned" from tBox when it starts a run.
    void cmdStart_Click();
    // One run over deals Nstart..Nend. singleDeal: a deal traced from the debug box (no cache,
    // list or result file is written).
    RunOutcome Start(std::int32_t Nstart, std::int32_t Nend, bool singleDeal = false);
    // The debug box's Enter: analyses one deal alone.
    void DebugDeal(const std::string& text);
    // "Initialize the Software" (1) or "Cancel" (2).
    void Submenu_Click(int index);
    // Reads the stored result of the current settings into the tables and Headers. A damaged
    // file is read as far as it goes; numbers no library can produce are clamped, so that
    // whatever it holds can be shown.
    FinResult LoadStoredResult();

    bool Running() const { return running_; }
    // The result name the running (or last) run stores its result under.
    const std::string& RunResultName() const { return runResultName_; }
    // Where the last run stored its result: DataFiles/<name>.dat for a run over the whole
    // library, DataFiles/Partial/<name>.dat for one over its first deals (so that it never
    // takes the place of a whole library's result); empty when it stored none.
    const std::filesystem::path& RunResultFile() const { return runResultFile_; }
    static constexpr const char* kPartialFolder = "Partial";

    // A whole number of deals from the text of "Deals to be Scanned", or nothing.
    static std::optional<std::int64_t> WholeNumber(const std::string& text);

  private:
    struct FolderRun : RunResult {
        bool scanned = false;  // the library was read and the scan's files written
    };
    // The run proper, under the folder's lock: a replay when the cache is valid and its list is
    // there, a scan otherwise.
    FolderRun Run(std::int32_t Nstart, std::int32_t Nend, bool singleDeal);
    // Writes the result of a run over deals 1..Nend where it belongs and says so when that is
    // apart from the whole library's; false with the reason in error.
    bool StoreResult(std::int32_t Nend, const Settings& runSettings, std::string& error);
    // The run's listener: progress, the Table button after the live table was closed, and the
    // counted deals while a live table follows them.
    void Progress(std::int32_t dealNo) override;
    void AfterProgress() override;
    bool LiveTable() const override;
    void CountedDeal(int kind, int length, int dev, const EventCounts& events) override;
    void Refuse(Refusal why);
    void Say(const std::string& english, const std::string& japanese, bool notice = false);
    std::filesystem::path LibraryPath() const { return folder / library.LibFileName; }

    bool running_ = false;
    RunState runState_ = RunState::Idle;
    RunReport report_;
    std::string runResultName_;
    std::filesystem::path runResultFile_;
};

}  // namespace lott

#include "Analyzer.h"

#include <cctype>
#include <system_error>

#include "FileWriter.h"
#include "FolderLock.h"
#include "Headers.h"
#include "ListFiles.h"
#include "ResultFile.h"
#include "ResultHousekeeping.h"
#include "WholeNumber.h"

namespace lott {

namespace {

// "Over20.txt" as the scan driver writes it.
class Over20File : public Over20Sink {
  public:
    Over20File(const std::filesystem::path& folder, Language language)
        : list_(folder), language_(language) {}
    bool Open(std::string& error) override { return list_.OpenOver20(language_, error); }
    bool Line(std::int32_t trumps, std::int32_t tricks, std::int32_t dealNo,
              const std::array<std::int32_t, 2>& hcp, std::string& error) override {
        return list_.FoutOver20(trumps, tricks, dealNo, hcp, error);
    }
    bool Finish(std::string& error) override { return list_.Finish(error); }
    bool Commit(std::string& error) override { return list_.CloseOver20(error); }
    void Abandon() override { list_.DiscardOver20(); }

  private:
    Over20List list_;
    Language language_;
};

bool IsFile(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

}  // namespace

Analyzer::Analyzer(std::filesystem::path programFolder)
    : folder(std::move(programFolder)), DataDir(folder / "DataFiles"), driver(tables, freq) {
    settings.DataDir = DataDir;
    settings.SetTables(&tables);
}

std::optional<std::int64_t> Analyzer::WholeNumber(const std::string& text) {
    return ParseWholeNumber(text, true);
}

void Analyzer::Say(const std::string& english, const std::string& japanese, bool notice) {
    message = Language == lott::Language::Japanese ? japanese : english;
    messageIsNotice = notice;
}

Analyzer::StartState Analyzer::Load(bool archiveRefused, lott::Language language) {
    Language = language;
    runState_ = RunState::Idle;
    ScreenShotMode = IsFile(folder / "ScreenShot.txt");
    std::error_code ec;
    if (!std::filesystem::is_directory(DataDir, ec)) {
        std::filesystem::create_directory(DataDir, ec);
        if (ec || !std::filesystem::is_directory(DataDir, ec)) {
            problem = "The folder \"DataFiles\" cannot be made in " + folder.string() + ".";
            return StartState::FolderProblem;
        }
    }
    fitOdds = FitOdds();
    freq.LoadPtValues();
    DebugMode = IsFile(folder / "debug.dat");
    settings.DefaultSetting(ScreenShotMode);
    if (archiveRefused) return StartState::ArchiveRefused;

    library = DiscoverLibrary(folder);
    if (library.tooLarge) {
        problem = TooManyDealsText(library.LibFileName);
        return StartState::FolderProblem;
    }
    if (!library.found || library.DealCount <= 0) return StartState::LibraryMissing;
    tBox = std::to_string(library.DealCount);
    settings.SettingMode = SettingMode::None;
    if (ScreenShotMode) {
        settings.EnableAllButtons();
    } else {
        std::string error;
        MoveTxtFiles(folder, DataDir, error);
        RenameTxtFiles(DataDir, error);
        if (!error.empty()) message = error;
    }
    return StartState::Running;
}

std::string Analyzer::StartCaption() const {
    switch (runState_) {
        case RunState::Idle:
            return IdleCaption();
        case RunState::Working:
            return "Working";
        case RunState::Stopping:
        case RunState::Stopped:
        case RunState::Failed:
            return "Stopped";
        case RunState::Finished:
            return "Finished";
    }
    return IdleCaption();
}

void Analyzer::Refuse(Refusal why) {
    report_ = RunReport{RunEnd::Refused, why, message};
}

void Analyzer::cmdStart_Click() {
    if (!settings.Selected(Opt::Hcp17To23) && !settings.Selected(Opt::Hcp15To25) &&
        !settings.Selected(Opt::Hcp0To40)) {
        if (beep) beep();
        Refuse(Refusal::NoHcpRange);
        return;
    }
    if (settings.SettingMode == SettingMode::Standard) {
        bool anyNT = false;
        for (int i : {Opt::NTQuenby, Opt::NTDorvald, Opt::NTDorvaldPlus, Opt::NTDoubleton,
                      Opt::NTSingleton, Opt::NTVoid})
            anyNT = anyNT || settings.Selected(i);
        if (!anyNT) {
            if (beep) beep();
            Refuse(Refusal::NoNTChoice);
            return;
        }
    }
    if (!settings.Selected(Opt::Ostrevan) && !settings.Selected(Opt::Standard)) {
        Refuse(Refusal::NoPreset);
        return;
    }

    switch (runState_) {
        case RunState::Idle: {
            auto n = WholeNumber(tBox);
            if (!n) {
                if (beep) beep();
                Say("  \"Deals to be Scanned\" must be a whole number.",
                    "  「調べるディールの個数」には整数を入力して下さい。");
                Refuse(Refusal::NotAWholeNumber);
                return;
            }
            if (*n < 1) {
                if (beep) beep();
                Say("  \"Deals to be Scanned\" must be 1 or more.",
                    "  「調べるディールの個数」は 1 以上にして下さい。");
                Refuse(Refusal::NoDeals);
                return;
            }
            message.clear();
            messageIsNotice = false;
            driver.StopRequested = false;
            runState_ = RunState::Working;
            Start(1, static_cast<std::int32_t>(std::min<std::int64_t>(*n, library.DealCount)));
            break;
        }
        case RunState::Working:
            driver.StopRequested = true;
            runState_ = RunState::Stopping;
            break;
        case RunState::Stopping:
        case RunState::Stopped:
        case RunState::Finished:
        case RunState::Failed:
            runState_ = RunState::Idle;
            break;
    }
}

void Analyzer::Progress(std::int32_t dealNo) {
    lblNo = std::to_string(dealNo);
    if (progress) progress(dealNo);
}

void Analyzer::AfterProgress() {
    // The table window was closed while the run goes: its button comes back.
    if (TableState != TableState::NotShown || runState_ != RunState::Working) return;
    TableState = TableState::ButtonReEnabled;
    settings.EnableTableButton(Settings::PairOf(settings.SettingMode));
    if (buttonsChanged) buttonsChanged();
}

bool Analyzer::LiveTable() const {
    return TableState == TableState::Live && WriteTable != nullptr;
}

void Analyzer::CountedDeal(int kind, int length, int dev, const EventCounts& events) {
    WriteTable(kind, length, dev, events);
}

RunOutcome Analyzer::Start(std::int32_t Nstart, std::int32_t Nend, bool singleDeal) {
    tables.Erase();
    if (Nstart > Nend) {
        report_ = RunReport{RunEnd::NothingToScan, Refusal::None, message};
        return RunOutcome::Completed;
    }

    // What the run reads is fixed here: later clicks on the options that stay enabled change
    // only the selection.
    runResultName_ = settings.ResultName;
    const Settings runSettings = settings;
    TableState = TableState::Live;
    Headers = PrepareHeaders(runSettings, NowText());
    if (LoadTab) LoadTab();
    settings.Disable();
    running_ = true;

    driver.DealNo = Nstart;
    driver.options = runSettings.Snapshot();
    driver.counter().options = driver.options;
    driver.counter().SetUseFlags();
    driver.libraryPath = LibraryPath();
    driver.libMode = library.LibMode;
    driver.DebugMode = DebugMode;
    driver.deferMeans = !LoadTab;
    driver.listener = this;
    std::string doubleNT;
    driver.onDoubleNT = [&doubleNT](std::int32_t n) { doubleNT += DoubleNTLine(n) + "\r\n"; };
    driver.analysis().TraceDeal = singleDeal;

    FolderRun r = Run(Nstart, Nend, singleDeal);
    // The debug list is replaced only by a scan that went through (whole or stopped).
    if (r.scanned && DebugMode && !singleDeal && r.outcome != RunOutcome::Failed) {
        std::string error;
        if (!WriteDoubleNT(folder, doubleNT, error)) message = error;
    }
    driver.analysis().TraceDeal = false;
    driver.listener = nullptr;
    if (LiveTable() && WriteWholeTable) WriteWholeTable(runSettings);

    const std::int32_t last = driver.DealNo - 1;
    runResultFile_.clear();
    if (r.outcome == RunOutcome::Completed && !singleDeal && last >= Nend) {
        std::string error;
        if (!StoreResult(Nend, runSettings, error)) {
            r.outcome = RunOutcome::Failed;
            r.message = error;
        } else if (runCompleted) {
            runCompleted(tables, runSettings);
        }
    } else if (r.outcome == RunOutcome::Stopped) {
        Say("  Stopped after deal " + std::to_string(last) + ": no result was stored.",
            "  ディール " + std::to_string(last) + " で中止しました。結果は保存していません。", true);
    }
    lblNo = std::to_string(last);
    if (r.outcome == RunOutcome::Failed) {
        // A run whose files could not be read or written is not reported as finished.
        runState_ = RunState::Failed;
        message = r.message;
        report_ = RunReport{RunEnd::Failed, Refusal::None, r.message};
        if (beep) beep();
    } else {
        runState_ = r.outcome == RunOutcome::Stopped ? RunState::Stopped : RunState::Finished;
        report_ = RunReport{r.outcome == RunOutcome::Stopped ? RunEnd::Stopped : RunEnd::Completed,
                            Refusal::None,
                            {}};
    }
    TableState = TableState::Finished;
    running_ = false;
    settings.Enable();
    settings.UpdateResultButtons();
    if (buttonsChanged) buttonsChanged();
    return r.outcome;
}

bool Analyzer::StoreResult(std::int32_t Nend, const Settings& runSettings, std::string& error) {
    // A run over the first deals only is kept apart: it never replaces the result of the whole
    // library, which the table and graph windows show.
    const bool partial = Nend < library.DealCount;
    const std::filesystem::path dir = partial ? DataDir / kPartialFolder : DataDir;
    const std::string partialDir = std::string("DataFiles/") + kPartialFolder;
    std::error_code ec;
    if (partial && !std::filesystem::is_directory(dir, ec) &&
        !std::filesystem::create_directory(dir, ec)) {
        error = "The folder " + partialDir + " cannot be made: " + ec.message();
        return false;
    }
    if (!Fout(dir, runResultName_, tables, runSettings, Headers, error)) return false;
    runResultFile_ = dir / (runResultName_ + ".dat");
    if (partial) {
        const std::string file = partialDir + "/" + runResultName_ + ".dat";
        const std::string whole = "DataFiles/" + runResultName_ + ".dat";
        const std::string deals = std::to_string(Nend), all = std::to_string(library.DealCount);
        Say("  The first " + deals + " of " + all + " deals: stored as " + file + " (" + whole +
                " stays the whole library's).",
            "  全 " + all + " ディールのうち最初の " + deals + " 個の結果を " + file +
                " に保存しました（" + whole + " はライブラリ全体の結果のままです）。",
            true);
    }
    return true;
}

Analyzer::FolderRun Analyzer::Run(std::int32_t Nstart, std::int32_t Nend, bool singleDeal) {
    FolderRun r;
    bool told = false;
    std::string waitingText;
    auto wait = [&] {
        if (!told) {
            Say("  another run is scanning this folder; waiting",
                "  別の実行がこのフォルダを調べています。終わるまで待ちます。");
            waitingText = message;
        }
        told = true;
        return waiting ? waiting() : true;
    };
    auto refused = [&](FolderLock::Result taken, const std::string& error) {
        r.outcome = RunOutcome::Failed;
        r.message =
            taken == FolderLock::Result::GaveUp ? "another run is scanning this folder" : error;
        return r;
    };
    // Replays read the cache side by side; a scan that writes it runs alone in the folder.
    FolderLock lock(DataDir);
    std::string error;
    auto taken = lock.Acquire(FolderLock::Mode::Shared, wait, error);
    if (taken != FolderLock::Result::Taken) return refused(taken, error);
    // What runs that were killed left half written goes (running writers' parts stay).
    RemoveStaleParts(folder, [](const std::string& target) {
        return target == "Over20.txt" || target == "Over20.bak" || target == "DoubleNT.txt";
    });
    RemoveStaleParts(DataDir, [](const std::string& target) {
        return target == kCacheFileName || target == kCacheSourceName ||
               (target.size() > 4 && target.compare(target.size() - 4, 4, ".dat") == 0);
    });

    ScanCache cache(DataDir);
    std::vector<std::uint8_t> records;
    auto replayable = [&] {
        const ScanCache::State state = cache.Load(LibraryPath(), library.DealCount, records);
        if (state == ScanCache::State::Discarded)
            Say("  " + cache.Why() + "; it was deleted and the library is scanned again.",
                "  スキャン・キャッシュが壊れているか別のライブラリのものなので削除し、"
                "ライブラリを調べ直します。");
        // A valid cache without its list is scanned again, so that the list comes back.
        return state == ScanCache::State::Valid && (singleDeal || IsFile(folder / "Over20.txt"));
    };
    bool replay = replayable();
    if (!replay && !singleDeal) {
        taken = lock.Acquire(FolderLock::Mode::Exclusive, wait, error);
        if (taken != FolderLock::Result::Taken) return refused(taken, error);
        // The run waited for may have made the cache this one needs.
        replay = replayable();
    }
    if (told && message == waitingText) message.clear();
    RunResult run;
    if (replay) {
        run = driver.RunWithoutScanning(Nstart, Nend, records);
    } else if (singleDeal) {
        run = driver.RunWhileScanning(Nstart, Nend, nullptr, nullptr);
    } else {
        Over20File list(folder, Language);
        run = driver.RunWhileScanning(Nstart, Nend, &cache, &list);
        r.scanned = true;
    }
    r.outcome = run.outcome;
    r.message = run.message;
    return r;
}

void Analyzer::DebugDeal(const std::string& text) {
    if (running_ || (!settings.Selected(Opt::Ostrevan) && !settings.Selected(Opt::Standard)))
        return;
    auto n = WholeNumber(text);
    if (!n || *n < 1 || *n >= library.DealCount) return;
    Start(static_cast<std::int32_t>(*n), static_cast<std::int32_t>(*n), true);
}

void Analyzer::Submenu_Click(int index) {
    if (index != 1 || running_) return;
    ScanCache cache(DataDir);
    if (!cache.Delete())
        Say("  The scan cache could not be deleted.",
            "  スキャン・キャッシュを削除できませんでした。");
}

FinResult Analyzer::LoadStoredResult() {
    FinResult r = Fin(DataDir, settings.ResultName, tables, settings, Headers);
    ClampForShowing(tables);
    return r;
}

}  // namespace lott

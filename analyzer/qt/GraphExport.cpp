#include "GraphExport.h"

#include <QDir>
#include <QFileInfo>
#include <ostream>

#include "Analyzer.h"
#include "PictureBox.h"
#include "ProgramFiles.h"
#include "SvgWriter.h"
#include "frmGrph.h"

namespace lott {

int GraphExport::SaveDefaultStandardGraph(const QString& folder, const QString& file,
                                          std::ostream& out, std::ostream& err) {
    const std::string dir = QDir(folder).absolutePath().toStdString();
    if (!QFileInfo(folder).isDir()) {
        err << "trickscan: no program folder " << dir << "\n";
        return 1;
    }
    const std::filesystem::path resolved = ResolvedFolder(dir);
    if (ChkZip(resolved.string(), ArchiveRule::ZipOrTmp)) {
        err << "trickscan: the program folder " << resolved.string()
            << " lies in an archive or temporary folder (its path holds \"zip\" or \"tmp\"); "
               "move the programs out of it\n";
        return 1;
    }
    const QString path = QFileInfo(file).absoluteFilePath();
    if (const auto input = OutputIsAnInput(dir, path.toStdString())) {
        err << "trickscan: --graph-png names " << *input
            << ", which the programs read; choose another file\n";
        return 2;
    }
    Analyzer a(dir);
    switch (a.Load(false, Language::English)) {
        case Analyzer::StartState::Running:
            break;
        case Analyzer::StartState::LibraryMissing:
            err << "trickscan: no library (Library.bin or Library.asc) in " << dir << "\n";
            return 1;
        default:
            err << "trickscan: " << (a.problem.empty() ? "the folder is refused" : a.problem)
                << "\n";
            return 1;
    }
    a.settings.Click(Opt::Standard);  // the Standard preset with its defaults
    const FinResult r = a.LoadStoredResult();
    if (!r.found) {
        err << "trickscan: no stored result DataFiles/" << a.settings.ResultName
            << ".dat; run the analysis first (trickscan-batch " << dir << " --preset standard)\n";
        return 1;
    }
    frmGrph g(1, a.tables, a.settings, a.fitOdds, Language::English, QString(), a.folder);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    const bool ok = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)
                        ? SvgWriter::Save(*g.p, path, error)
                        : g.p->SavePng(path, &error);
    if (!ok) {
        err << "trickscan: cannot write " << path.toStdString()
            << (error.isEmpty() ? std::string() : ": " + error.toStdString()) << "\n";
        return 1;
    }
    if (!r.complete)
        err << "trickscan: DataFiles/" << a.settings.ResultName
            << ".dat is damaged or short; drawn as far as it could be read\n";
    out << path.toStdString() << "\n";
    return 0;
}

}  // namespace lott

#include "GraphExport.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <ostream>

#include "Analyzer.h"
#include "FileWriter.h"
#include "Fonts.h"
#include "PictureBox.h"
#include "ProgramFiles.h"
#include "SvgWriter.h"
#include "frmGrph.h"

namespace lott {

bool GraphExport::Render(const GraphRequest& r, std::string& bytes, std::string& error) {
    const int index = r.settings.SettingMode == SettingMode::Standard ? 1 : 0;
    frmGrph g(index, r.tables, r.settings, r.odds, r.language, JapaneseFamily(FindJapaneseFont()),
              {});
    if (r.svg) {
        bytes = SvgWriter::Svg(*g.p).toStdString();
        return true;
    }
    // Painted at scale times the pixels, as a screen of that pixel ratio shows the window.
    const qreal scale = r.scale < 1 ? 1 : r.scale;
    QPixmap picture(g.p->size() * scale);
    picture.setDevicePixelRatio(scale);
    g.p->render(&picture);
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.toImage().save(&buffer, "PNG")) {
        error = "the picture could not be made";
        return false;
    }
    bytes.assign(png.constData(), static_cast<std::size_t>(png.size()));
    return true;
}

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
    QDir().mkpath(QFileInfo(path).absolutePath());
    const GraphRequest request{a.tables,
                               a.settings,
                               a.fitOdds,
                               Language::English,
                               path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive),
                               1};
    std::string bytes, error;
    if (!Render(request, bytes, error) ||
        !FileWriter::WriteFile(path.toStdString(), bytes, error)) {
        err << "trickscan: cannot write " << path.toStdString()
            << (error.empty() ? std::string() : ": " + error) << "\n";
        return 1;
    }
    if (!r.complete)
        err << "trickscan: DataFiles/" << a.settings.ResultName
            << ".dat is damaged or short; drawn as far as it could be read\n";
    out << path.toStdString() << "\n";
    return 0;
}

}  // namespace lott

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QFontInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

#include "report/painter_canvas.h"
#include "report/report_pdf.h"
#include "support/design_fixture.h"

namespace vantrel {
namespace {

struct Design {
    explicit Design(const DesignInputs& in) : inputs(in) { test::Run(calc, inputs); }
    ReportSource Source() const { return {inputs, calc.state, "frame.vtl", "2026-12-06 16:45"}; }
    DesignInputs inputs;
    test::Calculated calc;
};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The worked example's current-code items and notes take two pages.
TEST(ReportPdfTest, WritesFiveLetterPages) {
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    const Design design(test::WorkedExample());
    const ReportResult result = WriteReportPdf(path.toStdString(), design.Source());
    ASSERT_TRUE(result.ok()) << result.number << " " << result.description;
    const QByteArray pdf = ReadAll(path);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    const QString text = QString::fromLatin1(pdf);
    EXPECT_EQ(text.count(QRegularExpression("/Type\\s*/Page[^s]")), 5);
    EXPECT_EQ(text.count(QRegularExpression("/MediaBox \\[0 0 612(\\.0+)? 792(\\.0+)?\\]")), 5);
}

TEST(ReportPdfTest, FailedReportLeavesTheExistingFileAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous report");
    }
    const Design design(test::InputsWith({{"ORA", "abc"}}));
    const ReportResult result = WriteReportPdf(path.toStdString(), design.Source());
    EXPECT_EQ(result.number, 13);
    EXPECT_EQ(result.description, "Type mismatch");
    EXPECT_EQ(ReadAll(path), QByteArray("previous report"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(ReportPdfTest, UnwritablePathIsAFileAccessError) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("missing-folder/report.pdf").toStdString();
    const Design design(test::WorkedExample());
    const ReportResult result = WriteReportPdf(path, design.Source());
    EXPECT_EQ(result.number, 75);
    EXPECT_EQ(result.description.rfind("Path/File access error", 0), 0u) << result.description;
    EXPECT_EQ(ReportFailureTitle(result), "Error: 75");
}

// The report goes to its target as a saved project does (files/safe_file.h):
// never over a FIFO, never over a read-only file, to a name's exact bytes.
TEST(ReportPdfTest, TargetsAreTreatedAsSavingTreatsThem) {
    QTemporaryDir dir;
    const std::string folder = QFile::encodeName(dir.path()).toStdString();
    const std::string fifo = folder + "/fifo.pdf";
    const std::string readOnly = folder + "/read-only.pdf";
    const std::string bytes = folder + "/report-\xFF.pdf";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    {
        QFile old(QString::fromStdString(readOnly));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("kept");
    }
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    const Design design(test::WorkedExample());

    EXPECT_EQ(WriteReportPdf(fifo, design.Source()).number, 75);
    struct stat status {};
    ASSERT_EQ(lstat(fifo.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));

    EXPECT_EQ(WriteReportPdf(readOnly, design.Source()).number, 75);
    ASSERT_EQ(stat(readOnly.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0444u);
    EXPECT_EQ(ReadAll(QString::fromStdString(readOnly)), QByteArray("kept"));

    ASSERT_TRUE(WriteReportPdf(bytes, design.Source()).ok());
    EXPECT_EQ(access(bytes.c_str(), R_OK), 0);
    const auto entries = std::filesystem::directory_iterator(folder);
    EXPECT_EQ(std::distance(begin(entries), end(entries)), 3);
    // QTemporaryDir cannot remove a name that is not UTF-8; the folder goes
    // once the bytes' file has gone.
    std::filesystem::remove_all(folder);
}

TEST(ReportPdfTest, FailureOnADeviceRunsTheAbortOfItsJob) {
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    QPdfWriter writer(&buffer);
    int aborts = 0;
    const Design design(test::InputsWith({{"ORC", "x"}}));
    const ReportResult result = PaintReport(writer, design.Source(), [&aborts] { ++aborts; });
    EXPECT_EQ(result.number, 13);
    EXPECT_EQ(aborts, 1);
}

// The canvas measures in the device's units: a Letter page at 600 dots per
// inch with quarter-inch margins is 8 x 10.5 inches of printable area.
TEST(PainterCanvasTest, MeasuresInDeviceUnits) {
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    QPainter painter(&writer);
    PainterCanvas canvas(painter, writer, {});
    EXPECT_DOUBLE_EQ(canvas.PageWidth(), 4800);
    EXPECT_DOUBLE_EQ(canvas.PageHeight(), 6300);

    canvas.SetFontName("Arial");
    canvas.SetFontSize(10);
    // A 10-point line is a little more than 10/72 inch: 83 dots and some leading.
    const double line = canvas.TextHeight("I");
    EXPECT_GT(line, 83);
    EXPECT_LT(line, 110);
    const double plain = canvas.TextWidth("Beam Properties of:");
    canvas.SetFontBold(true);
    EXPECT_GT(canvas.TextWidth("Beam Properties of:"), plain);
    canvas.SetFontSize(20);
    EXPECT_NEAR(canvas.TextHeight("I"), 2 * line, 0.1 * line);
    canvas.EndDocument();
}

// Arial is found through fontconfig's alias for the metric-compatible
// Liberation Sans (Debian package fonts-liberation).
TEST(PainterCanvasTest, ArialResolvesToAMetricCompatibleFont) {
    const QString family = QFontInfo(QFont("Arial")).family();
    EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();
}

}  // namespace
}  // namespace vantrel

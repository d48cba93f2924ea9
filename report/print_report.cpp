#include "print_report.h"

#include <functional>

#include "model/chain_error.h"
#include "model/chain_math.h"
#include "page_frame.h"
#include "report_pages.h"

namespace vantrel {
namespace {

using PageBody = void (*)(ReportLines&, const ReportSource&);
// The FEMA 350 pages; the current-code pages follow, as many as they need.
constexpr PageBody kFixedPages[] = {PrintPropertiesPage, PrintCodeChecksPage, PrintLoadsPage};

// Measures with the canvas it wraps and draws nothing: a rehearsal of pages
// that are then written for real.
class MeasuringCanvas final : public ReportCanvas {
  public:
    explicit MeasuringCanvas(ReportCanvas& canvas) : canvas_(canvas) {}
    double PageWidth() const override { return canvas_.PageWidth(); }
    double PageHeight() const override { return canvas_.PageHeight(); }
    void SetFontName(std::string_view name) override { canvas_.SetFontName(name); }
    void SetFontSize(double points) override { canvas_.SetFontSize(points); }
    void SetFontBold(bool bold) override { canvas_.SetFontBold(bold); }
    void SetFontItalic(bool italic) override { canvas_.SetFontItalic(italic); }
    void SetFontUnderline(bool underline) override { canvas_.SetFontUnderline(underline); }
    double TextWidth(std::string_view text) override { return canvas_.TextWidth(text); }
    double TextHeight(std::string_view text) override { return canvas_.TextHeight(text); }
    void DrawText(double, double, std::string_view) override {}
    void DrawLine(double, double, double, double) override {}
    void DrawBox(double, double, double, double) override {}
    void DrawCircle(double, double, double, bool) override {}
    void DrawArc(double, double, double, double, double) override {}
    void NewPage() override {}
    void EndDocument() override {}
    void AbortDocument() override {}

  private:
    ReportCanvas& canvas_;
};

std::string_view ReportVersion(const ReportSource& source) {
    return source.version.empty() ? ProgramVersion() : std::string_view(source.version);
}

// The current-code pages from the head block of a new page on; endPage
// closes each of them but the last.
void FlowCurrentCodePages(PageModel& page, const ReportSource& source,
                          const std::function<void()>& endPage) {
    const auto startPage = [&] {
        PrintHeadBlock(page, VersionLine(ReportVersion(source)), source.inputs.IsSMRF(),
                       source.inputs.Description);
    };
    ReportLines out(page);
    startPage();
    PrintCurrentCodePages(out, source, [&] {
        endPage();
        page.NewPage();
        startPage();
    });
}

int CurrentCodePageCount(ReportCanvas& canvas, const ReportSource& source) {
    MeasuringCanvas measuring(canvas);
    PageModel page(measuring);
    FlowCurrentCodePages(page, source, [] {});
    return page.PageNumber();
}

void WritePages(ReportCanvas& canvas, const ReportSource& source) {
    const std::string dateTime = source.dateTime.empty() ? CurrentDateTimeText() : source.dateTime;
    const int pageCount =
        static_cast<int>(std::size(kFixedPages)) + CurrentCodePageCount(canvas, source);
    PageModel page(canvas);
    ReportLines out(page);
    const auto endPage = [&] { PrintPageFooter(page, source.documentName, dateTime, pageCount); };
    for (PageBody body : kFixedPages) {
        PrintHeadBlock(page, VersionLine(ReportVersion(source)), source.inputs.IsSMRF(),
                       source.inputs.Description);
        body(out, source);
        endPage();
        page.NewPage();
    }
    FlowCurrentCodePages(page, source, endPage);
    endPage();
    canvas.EndDocument();
}

}  // namespace

ReportResult WriteReport(ReportCanvas& canvas, const ReportSource& source) {
    ReportResult result;
    try {
        WritePages(canvas, source);
        return result;
    } catch (const ChainFault& fault) {
        result = {fault.number, ErrorDescription(fault.number)};
    } catch (const ReportFault& fault) {
        result = {fault.number, fault.description};
    }
    canvas.AbortDocument();
    return result;
}

}  // namespace vantrel

#include "print_report.h"

#include "model/chain_error.h"
#include "model/chain_math.h"
#include "page_frame.h"
#include "report_pages.h"

namespace vantrel {
namespace {

using PageBody = void (*)(ReportLines&, const ReportSource&);
constexpr PageBody kPages[kReportPages] = {PrintPropertiesPage, PrintCodeChecksPage, PrintLoadsPage,
                                           PrintCurrentCodePage};

void WritePages(ReportCanvas& canvas, const ReportSource& source) {
    const std::string dateTime = source.dateTime.empty() ? CurrentDateTimeText() : source.dateTime;
    PageModel page(canvas);
    ReportLines out(page);
    for (int i = 0; i < kReportPages; ++i) {
        if (i > 0) page.NewPage();
        PrintHeadBlock(page, source.inputs.IsSMRF(), source.inputs.Description);
        kPages[i](out, source);
        PrintPageFooter(page, source.documentName, dateTime);
    }
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

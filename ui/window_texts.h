#pragma once
// Fixed texts of the main window.

namespace vantrel {

// The title prefixes differ in the blanks after the colon: two when the
// window loads, one after New, Open and Save As, none after Save.
inline constexpr const char* kTitleAtLoad =
    "Single Bay Moment Frame Reduced Beam Section Calculator:  ";
inline constexpr const char* kTitleOneBlank =
    "Single Bay Moment Frame Reduced Beam Section Calculator: ";
inline constexpr const char* kTitleNoBlank =
    "Single Bay Moment Frame Reduced Beam Section Calculator:";

inline constexpr const char* kNewUntitled = "New Untitled";
inline constexpr const char* kAppTitle = "Vantrel";
inline constexpr const char* kNewFileConfirmation = "New File Confirmation.";
inline constexpr const char* kOpenFileConfirmation = "Open File Confirmation.";
inline constexpr const char* kOpenDialogTitle = "Open Vantrel File";
inline constexpr const char* kSaveDialogTitle = "Save Vantrel File";
inline constexpr const char* kOpenFilter = "Vantrel File (*.vtl)|*.vtl|All Files (*.*)|*.*";
inline constexpr const char* kSaveFilter = "Vantrel File (*.vtl)|*.vtl";
inline constexpr const char* kZeroOverride = "0.000";

// Opening: a shape, grade or coefficient text that its list does not hold.
inline constexpr int kOpenListRefused = 1301;

}  // namespace vantrel

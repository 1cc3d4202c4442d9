// The ids of the option pages' controls that the tests drive as a user would.
#pragma once

namespace zelo::option_ids {

// "General"
inline constexpr int kFailureMode = 100;
inline constexpr int kFailureValueLabel = 101;
inline constexpr int kFailureValue = 102;
inline constexpr int kInsertBefore = 103;
inline constexpr int kInsertAfter = 104;
inline constexpr int kMaxFieldSize = 105;
inline constexpr int kMaxUndo = 106;
inline constexpr int kTips = 107;
inline constexpr int kGeneralChecks = 108;  // the plain check boxes, one id each from here
inline constexpr int kResetAll = 150;

// "Run Options"
inline constexpr int kReturnCode = 100;
inline constexpr int kStopKey = 101;
inline constexpr int kRunChecks = 102;

// "Files"
inline constexpr int kVerbs = 100;  // Open, Edit, Run, Run in Zelomat
inline constexpr int kLoadAction = 120;
inline constexpr int kAssociate = 121;

}  // namespace zelo::option_ids

#pragma once

// The dialog's own texts; the field labels are shared with vendrel-calc in
// calc/fieldlabels.h.
namespace vendrel::form::texts {

inline constexpr char kCaption[] = "计算空调水管比摩阻(迭代)";
inline constexpr char kCalculate[] = "计算";
inline constexpr char kExit[] = "退出";
inline constexpr char kFontFamily[] = "宋体";

} // namespace vendrel::form::texts

#pragma once
// printf-style formatting into a string, and the words for every failure:
// Japanese for the window, English for the command line.

#include <string>

#include "state/Errors.h"

namespace quorvel {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Texts the window shows, exactly as its users know them.
namespace text {
inline constexpr const char* kLoading = "データを読み込んでいます．．．";
inline constexpr const char* kConverting = "変換中です．．．．．．";
inline constexpr const char* kConverted = "変換・保存しました";
inline constexpr const char* kLoadCounts = "%d 行/ %d 列";
inline constexpr const char* kWrittenCounts = "%d 行/ %d列";
inline constexpr const char* kSourceRefused =
    "オリジナルファイルを書き換えることはできません　　　";
inline constexpr const char* kSourceRefusedCaption = "ファイル名エラー";
inline constexpr const char* kCancelled = "変換を取り消しました";
inline constexpr const char* kNotConverted = "変換・保存できませんでした";
inline constexpr const char* kLoadErrorCaption = "読み込みエラー";
inline constexpr const char* kSaveErrorCaption = "保存エラー";
inline constexpr const char* kNoChannelCaption = "変換できません";
inline constexpr const char* kTooManyLinesCaption = "行数の上限";
inline constexpr const char* kReplaceCaption = "上書きの確認";
}  // namespace text

// "<what failed>\n<path>\n<reason>" in Japanese, for a warning box.
std::string JapaneseMessage(const IoError& error);
// "<path>: <what failed>: <reason>" in English, for standard error.
std::string EnglishMessage(const IoError& error);

}  // namespace quorvel

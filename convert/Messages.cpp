#include "convert/Messages.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace quorvel {

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out(size > 0 ? static_cast<size_t>(size) : 0, '\0');
    if (size > 0) std::vsnprintf(out.data(), out.size() + 1, format, args);
    va_end(args);
    return out;
}

namespace {

const char* JapaneseReason(int err) {
    switch (err) {
        case ENOENT:
            return "ファイルまたはフォルダが見つかりません。";
        case EACCES:
        case EPERM:
            return "アクセスが許可されていません。";
        case EISDIR:
            return "フォルダです。";
        case ENOTDIR:
            return "パスの途中がフォルダではありません。";
        case ENOSPC:
            return "ディスクの空き容量が足りません。";
        case EDQUOT:
            return "ディスクの使用量の上限に達しました。";
        case EROFS:
            return "読み取り専用の場所です。";
        case EIO:
            return "入出力エラーが発生しました。";
        case EMFILE:
        case ENFILE:
            return "開いているファイルが多すぎます。";
        case ENAMETOOLONG:
            return "ファイル名が長すぎます。";
        case EXDEV:
            return "別のドライブへは置き換えられません。";
        default:
            return nullptr;
    }
}

const char* JapaneseStep(IoStep step) {
    switch (step) {
        case IoStep::Open:
            return "ファイルを開けません。";
        case IoStep::NotRegular:
            return "通常のファイルではないため読み込めません。";
        case IoStep::Read:
            return "ファイルの読み込み中にエラーが発生しました。";
        case IoStep::TooFewLines:
            return "ファイルの行数が足りません。";
        case IoStep::TargetNotRegular:
            return "保存先が通常のファイルではありません。";
        case IoStep::SameAsSource:
            return "オリジナルファイルを書き換えることはできません。";
        case IoStep::Create:
            return "変換ファイルを作成できません。";
        case IoStep::Write:
            return "変換ファイルを書き込めません。";
        case IoStep::Sync:
            return "変換ファイルをディスクに書き込めません。";
        case IoStep::Close:
            return "変換ファイルを閉じることができません。";
        case IoStep::Rename:
            return "変換ファイルを保存先に置けません。";
        case IoStep::NoChannel:
            return "変換するチャンネルがありません。";
    }
    return "";
}

const char* EnglishStep(IoStep step) {
    switch (step) {
        case IoStep::Open:
            return "cannot open";
        case IoStep::NotRegular:
            return "not a regular file";
        case IoStep::Read:
            return "read error";
        case IoStep::TooFewLines:
            return "too few lines for this kind of file";
        case IoStep::TargetNotRegular:
            return "output exists and is not a regular file";
        case IoStep::SameAsSource:
            return "output would overwrite the input file";
        case IoStep::Create:
            return "cannot create output";
        case IoStep::Write:
            return "write error";
        case IoStep::Sync:
            return "cannot flush output to disk";
        case IoStep::Close:
            return "cannot close output";
        case IoStep::Rename:
            return "cannot move finished output into place";
        case IoStep::NoChannel:
            return "no channel column to convert";
    }
    return "";
}

}  // namespace

std::string JapaneseMessage(const IoError& error) {
    std::string out = JapaneseStep(error.step);
    out += "\n";
    out += error.path;
    if (error.err != 0) {
        const char* reason = JapaneseReason(error.err);
        out += "\n";
        out += reason ? reason : std::strerror(error.err);
    }
    return out;
}

std::string EnglishMessage(const IoError& error) {
    std::string out = error.path + ": " + EnglishStep(error.step);
    if (error.err != 0) {
        out += ": ";
        out += std::strerror(error.err);
    }
    return out;
}

}  // namespace quorvel

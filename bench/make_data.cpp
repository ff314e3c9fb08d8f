// Writes the benchmark inputs: measurement files shaped like the real ones, the
// same bytes on every machine for the same arguments.
//
//   make_data txt LINES FILE     a TXT export: heading, names, units, then data lines
//                                of No, Time and 100 channels
//   make_data csv LINES FILE     a CSV export: names, then records of Time and 100 channels
//   make_data other LINES FILE   another layout: three heading lines, names, units,
//                                value lines of 101 fields, a closing line
//
// LINES counts every line of the file; every line ends CR LF.
//
// Values look like logger output (-0.01234); a few channel names are Shift-JIS
// and a few TXT channels have no unit, so the missing-channel path is exercised.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kChannels = 100;

// Shift-JIS bytes, written out so that the file is the same whatever the locale.
constexpr const char* kHeading =
    "\x83\x66\x81\x5b\x83\x5e\x83\x8d\x83\x4b\x81\x5b\x8f\x6f\x97\xcd";  // データロガー出力
constexpr const char* kLoad = "\x89\xd7\x8f\x64";                        // 荷重
constexpr const char* kDisplacement = "\x95\xcf\x88\xca";                // 変位
constexpr const char* kStrain = "\x82\xd0\x82\xb8\x82\xdd";              // ひずみ
constexpr const char* kMicroStrain = "\x83\xca\x83\xc3";                 // με
constexpr const char* kPoint = "\x91\xaa\x93\x5f";                       // 測点
constexpr const char* kUnit = "\x92\x50\x88\xca";                        // 単位
constexpr const char* kEnd = "\x8f\x49\x97\xb9";                         // 終了

// A fixed generator, so the bytes do not depend on the standard library.
class Random {
  public:
    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<uint32_t>(state_ >> 32);
    }

  private:
    uint64_t state_ = 0x9e3779b97f4a7c15ULL;
};

std::string ChannelName(int k) {
    if (k == 1) return kLoad;
    if (k == 2) return std::string(kDisplacement) + "1";
    if (k == 3) return kStrain;
    if (k == 50) return std::string(kDisplacement) + "2";
    char name[16];
    std::snprintf(name, sizeof name, "CH%03d", k);
    return name;
}

std::string ChannelUnit(int k) {
    // Channels 7, 33 and 77 have no unit: they are written as missing.
    if (k == 7 || k == 33 || k == 77) return "";
    if (k == 1) return "kN";
    if (k == 3) return kMicroStrain;
    return "mm";
}

// Appends ",v" for each channel: a value such as -0.01234.
void AppendValues(std::string& line, Random& random) {
    char value[16];
    for (int k = 1; k <= kChannels; ++k) {
        uint32_t r = random.Next();
        long whole = static_cast<long>(r % 200001) - 100000;  // -1.00000 .. 1.00000
        int len = std::snprintf(value, sizeof value, ",%s%ld.%05ld", whole < 0 ? "-" : "",
                                std::labs(whole) / 100000, std::labs(whole) % 100000);
        line.append(value, static_cast<size_t>(len));
    }
}

int Usage() {
    std::fputs("usage: make_data txt|csv|other LINES FILE\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return Usage();
    const std::string kind = argv[1];
    const long lines = std::strtol(argv[2], nullptr, 10);
    if ((kind != "txt" && kind != "csv" && kind != "other") || lines < 7) return Usage();
    std::FILE* out = std::fopen(argv[3], "wb");
    if (!out) {
        std::perror(argv[3]);
        return 1;
    }
    static char buffer[1 << 20];
    std::setvbuf(out, buffer, _IOFBF, sizeof buffer);

    Random random;
    std::string line;
    auto put = [&] {
        line += "\r\n";
        std::fwrite(line.data(), 1, line.size(), out);
        line.clear();
    };

    if (kind == "txt") {
        line = std::string(kHeading) + " A-12 2026/12/01 10:00:00";
        put();
        line = "No,Time";
        for (int k = 1; k <= kChannels; ++k) line += "," + ChannelName(k);
        put();
        line = ",";
        for (int k = 1; k <= kChannels; ++k) line += "," + ChannelUnit(k);
        put();
        char head[48];
        for (long i = 1; i <= lines - 3; ++i) {
            long ms = (i - 1) * 10;
            std::snprintf(head, sizeof head, "%ld,%02ld:%02ld:%02ld.%03ld", i, 10 + ms / 3600000,
                          ms / 60000 % 60, ms / 1000 % 60, ms % 1000);
            line = head;
            AppendValues(line, random);
            put();
        }
    } else if (kind == "csv") {
        line = "Time";
        for (int k = 1; k <= kChannels; ++k) line += "," + ChannelName(k);
        put();
        char head[32];
        for (long i = 0; i < lines - 1; ++i) {
            std::snprintf(head, sizeof head, "%ld.%02ld", i / 100, i % 100);
            line = head;
            AppendValues(line, random);
            put();
        }
    } else {
        line = "# Vibration test log";
        put();
        line = "# Logger: bench generator";
        put();
        line = "# Start 2026/12/02 14:30";
        put();
        line = kPoint;
        for (int k = 1; k <= kChannels; ++k) line += "," + ChannelName(k);
        put();
        line = kUnit;
        for (int k = 1; k <= kChannels; ++k) line += ",m/s2";
        put();
        char head[24];
        for (long i = 1; i <= lines - 6; ++i) {
            std::snprintf(head, sizeof head, "%ld", i);
            line = head;
            AppendValues(line, random);
            put();
        }
        line = std::string("# ") + kEnd;
        put();
    }
    if (std::fclose(out) != 0) {
        std::perror(argv[3]);
        return 1;
    }
    return 0;
}

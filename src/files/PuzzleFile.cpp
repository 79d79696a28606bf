#include "files/PuzzleFile.h"

#include <cstring>

namespace sorvat {

namespace {

thread_local char memoBuffer[MemoBufferSize];

constexpr std::size_t MaxLineLength = 200;

// "// 先頭が'/'でコメント\n// L/F/S(Lock/Fix/Possible) X座標(1~9) Y座標(1~9) 数字(1~9) の順にスペースを空けずに入力\n// 左上が座標11　右上が91　　左下が19　　右下が座標99\n"
constexpr char Md1Header[] =
    "// \220\346\223\252\202\252'/'\202\305\203R\203\201\203\223\203g\n"
    "// L/F/S(Lock/Fix/Possible) X\215\300\225W(1~9) Y\215\300\225W(1~9) \220\224\216\232(1~9) "
    "\202\314\217\207\202\311\203X\203y\201[\203X\202\360\213\363\202\257\202\270\202\311\223\374\227\315\n"
    "// \215\266\217\343\202\252\215\300\225W11\201@\211E\217\343\202\25291\201@\201@\215\266\211\272\202\25219"
    "\201@\201@\211E\211\272\202\252\215\300\225W99\n";

// "// 先頭が'/'でコメント\n// md2フォーマットは Lock 情報しか保存できない\n// md2フォーマットでは空白を無視、'1~9','/'以外の文字、および行頭'M'以外を空きセルとみなす。\n"
constexpr char Md2Header[] =
    "// \220\346\223\252\202\252'/'\202\305\203R\203\201\203\223\203g\n"
    "// md2\203t\203H\201[\203}\203b\203g\202\315 Lock \217\356\225\361\202\265\202\251\225\333\221\266\202\305\202\253\202\310\202\242\n"
    "// md2\203t\203H\201[\203}\203b\203g\202\305\202\315\213\363\224\222\202\360\226\263\216\213\201A'1~9','/'\210\310\212O\202\314"
    "\225\266\216\232\201A\202\250\202\346\202\321\215s\223\252'M'\210\310\212O\202\360\213\363\202\253\203Z\203\213\202\306"
    "\202\335\202\310\202\267\201B\n";

void NormalizeLine(std::string& line) {
    std::string out;
    out.reserve(line.size());
    for (char c : line) {
        if (c == ' ' || c == '\t') continue;
        if (c == '/') break;
        out.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
    }
    line.swap(out);
}

bool IsDigitIndex(int v) { return v >= 0 && v <= 8; }

// Converts LF to CR LF unless a CR already precedes it.
std::string WithCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out.push_back('\r');
        out.push_back(text[i]);
    }
    return out;
}

} // namespace

char* MemoBuffer() { return memoBuffer; }

// Both passes over the bytes of one file, fed in chunks: the memo is split
// off, and the puzzle text is cut into lines that go to ParseLine.
class PuzzleFile::Reader {
public:
    Reader(PuzzleFile& file, bool keepMemo) : file_(file), keepMemo_(keepMemo) {}

    void Feed(const char* data, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            const char byte = data[i];
            if (atLineStart_ && (byte == 'M' || byte == 'm')) state_ = (state_ + 1) & 3;
            atLineStart_ = byte == '\n';
            switch (state_) {
            case 0: PuzzleByte(byte); break;
            case 1:
                if (byte == '\n') state_ = 2;
                break;
            case 2:
                if (keepMemo_) MemoByte(byte);
                break;
            case 3:
                if (byte == '\n') state_ = 0;
                break;
            }
        }
    }

    void Finish() {
        // The text after the last LF is a line too, even when empty.
        EndLine();
    }

private:
    void PuzzleByte(char byte) {
        if (byte == '\n') {
            EndLine();
            return;
        }
        const auto u = static_cast<unsigned char>(byte);
        if (u >= 0x20 && u <= 0x7E && line_.size() < MaxLineLength) line_.push_back(byte);
    }

    void MemoByte(char byte) {
        if (memoLength_ < MemoCapacity - 1) {
            memoBuffer[memoLength_++] = byte;
        } else {
            memoBuffer[MemoCapacity - 1] = byte;
        }
    }

    void EndLine() {
        NormalizeLine(line_);
        file_.ParseLine(line_);
        line_.clear();
    }

    PuzzleFile& file_;
    bool keepMemo_;
    int state_ = 0;
    bool atLineStart_ = true;
    std::string line_;
    std::size_t memoLength_ = 0;
};

namespace {

// ".md" in any case and then `digit`, at the end of the name.
bool EndsWithMd(std::string_view name, char digit) {
    if (name.size() < 4) return false;
    const std::string_view end = name.substr(name.size() - 4);
    return end[0] == '.' && (end[1] == 'm' || end[1] == 'M') && (end[2] == 'd' || end[2] == 'D') && end[3] == digit;
}

} // namespace

bool PuzzleFile::IsMd1Name(std::string_view name) { return EndsWithMd(name, '1'); }

bool PuzzleFile::IsMd2Name(std::string_view name) { return EndsWithMd(name, '2'); }

bool PuzzleFile::IsPuzzleFileName(std::string_view name) { return IsMd1Name(name) || IsMd2Name(name); }

int PuzzleFile::Read(std::FILE* file, std::string_view fileName, EntryList& list, const char** memo) {
    entries = &list;
    if (memo != nullptr) *memo = memoBuffer;
    std::memset(memoBuffer, 0, sizeof memoBuffer);

    char chunk[65536];
    std::size_t got = file != nullptr ? std::fread(chunk, 1, sizeof chunk, file) : 0;
    if (got == 0) return 2;

    isMd2 = IsMd2Name(fileName);
    md2Row = 0;
    list.Clear();
    Reader reader(*this, memo != nullptr);
    while (got > 0) {
        reader.Feed(chunk, got);
        got = std::fread(chunk, 1, sizeof chunk, file);
    }
    reader.Finish();
    return 0;
}

int PuzzleFile::ReadBytes(std::string_view bytes, std::string_view fileName, EntryList& list, const char** memo) {
    entries = &list;
    if (memo != nullptr) *memo = memoBuffer;
    std::memset(memoBuffer, 0, sizeof memoBuffer);
    if (bytes.empty()) return 2;

    isMd2 = IsMd2Name(fileName);
    md2Row = 0;
    list.Clear();
    Reader reader(*this, memo != nullptr);
    reader.Feed(bytes.data(), bytes.size());
    reader.Finish();
    return 0;
}

void PuzzleFile::ParseLine(std::string& line) {
    const std::size_t n = line.size();
    if (isMd2) {
        if (n == 0 || md2Row >= 9) return;
        for (std::size_t i = 0; i < n && i < 9; ++i) {
            if (line[i] >= '1' && line[i] <= '9')
                entries->Add(Entry(static_cast<int>(i), md2Row, line[i] - '1', Lock));
        }
        ++md2Row;
        return;
    }
    if (n < 3) return;
    if (n == 3) {
        const int x = line[0] - '1', y = line[1] - '1', d = line[2] - '1';
        if (IsDigitIndex(x) && IsDigitIndex(y) && IsDigitIndex(d)) entries->Add(Entry(x, y, d, Possible));
        return;
    }
    const int x = line[1] - '1', y = line[2] - '1', d = line[3] - '1';
    if (!IsDigitIndex(x) || !IsDigitIndex(y) || !IsDigitIndex(d)) return;
    int kind;
    switch (line[0]) {
    case 'F': kind = Fix; break;
    case 'L': kind = Lock; break;
    case 'S': kind = Possible; break;
    default: return;
    }
    entries->Add(Entry(x, y, d, kind));
}

std::string PuzzleFile::Format(std::string_view fileName, const EntryList& list) {
    std::string out;
    if (!IsMd2Name(fileName)) {
        out += WithCrLf(Md1Header);
        for (int i = 0; i < list.Position(); ++i) {
            const Entry e = list.At(i);
            const char kind = e.kind == Lock ? 'L' : e.kind == Fix ? 'F' : 'S';
            char line[64];
            std::snprintf(line, sizeof line, "%c%ld%ld%d\n", kind, static_cast<long>(e.x + 1),
                          static_cast<long>(e.y + 1), e.digit + 1);
            out += WithCrLf(line);
        }
        return out;
    }
    out += WithCrLf(Md2Header);
    char rows[9][13];
    for (auto& row : rows) std::memcpy(row, "--- --- ---\n", 13);
    for (int i = 0; i < list.Position(); ++i) {
        const Entry e = list.At(i);
        if (e.kind != Lock) continue;
        if (e.x < 0 || e.x > 8 || e.y < 0 || e.y > 8 || e.digit < 0 || e.digit > 8) continue;
        rows[e.y][e.x + e.x / 3] = static_cast<char>('1' + e.digit);
    }
    for (auto& row : rows) out += WithCrLf(row);
    return out;
}

void PuzzleFile::Write(std::FILE* file, std::string_view fileName, const EntryList& list) {
    entries = nullptr;
    isMd2 = IsMd2Name(fileName);
    if (file == nullptr) return;
    const std::string bytes = Format(fileName, list);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
}

} // namespace sorvat

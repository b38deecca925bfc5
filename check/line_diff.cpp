#include "check/line_diff.h"

#include <algorithm>
#include <vector>

namespace {

// The lines as patch reads them: each up to and including its LF, so that a CR before it stays in the line.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = text.find('\n', pos);
        end = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return lines;
}

enum class Kind { Same, Removed, Added };

struct Edit {
    Kind kind;
    std::size_t before;   // line index in `before` (Same, Removed)
    std::size_t after;    // line index in `after` (Same, Added)
};

// The shortest edit script (Myers), on what is left between the common first and last lines.
std::vector<Edit> EditScript(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b)
{
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head]) ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    const long n = static_cast<long>(a.size() - head - tail);
    const long m = static_cast<long>(b.size() - head - tail);
    auto same = [&](long x, long y) { return a[head + x] == b[head + y]; };

    const long offset = n + m + 1;
    std::vector<long> v(2 * offset + 1, 0);
    std::vector<std::vector<long>> trace;
    for (long d = 0; d <= n + m; ++d) {
        trace.push_back(v);
        bool done = false;
        for (long k = -d; k <= d && !done; k += 2) {
            long x = (k == -d || (k != d && v[offset + k - 1] < v[offset + k + 1])) ? v[offset + k + 1]
                                                                                     : v[offset + k - 1] + 1;
            long y = x - k;
            while (x < n && y < m && same(x, y)) ++x, ++y;
            v[offset + k] = x;
            done = x >= n && y >= m;
        }
        if (done) break;
    }

    std::vector<Edit> middle;
    long x = n;
    long y = m;
    for (long d = static_cast<long>(trace.size()) - 1; d >= 0; --d) {
        const std::vector<long>& before = trace[d];
        const long k = x - y;
        const bool down = k == -d || (k != d && before[offset + k - 1] < before[offset + k + 1]);
        const long previousK = down ? k + 1 : k - 1;
        const long previousX = d == 0 ? 0 : before[offset + previousK];
        const long previousY = previousX - previousK;
        while (x > previousX && y > previousY) {
            --x, --y;
            middle.push_back({Kind::Same, head + x, head + y});
        }
        if (d == 0) break;
        if (down) middle.push_back({Kind::Added, head + x, head + --y});
        else middle.push_back({Kind::Removed, head + --x, head + y});
    }
    std::vector<Edit> script;
    for (std::size_t i = 0; i < head; ++i) script.push_back({Kind::Same, i, i});
    script.insert(script.end(), middle.rbegin(), middle.rend());
    for (std::size_t i = 0; i < tail; ++i)
        script.push_back({Kind::Same, a.size() - tail + i, b.size() - tail + i});
    return script;
}

// The line with its own end, so that patch finds a CRLF file's lines as they are.
void AppendLine(std::string& out, char mark, std::string_view line)
{
    out += mark;
    out += line;
    if (line.empty() || line.back() != '\n') out += "\n\\ No newline at end of file\n";
}

std::string Range(std::size_t start, std::size_t count)
{
    // Lines count from 1; an empty range names the line before it.
    std::string text = std::to_string(count ? start + 1 : start);
    return count == 1 ? text : text + "," + std::to_string(count);
}

}  // namespace

std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view beforeName,
                        std::string_view afterName, std::size_t context)
{
    const std::vector<std::string_view> a = SplitLines(before);
    const std::vector<std::string_view> b = SplitLines(after);
    const std::vector<Edit> script = EditScript(a, b);
    std::string out;
    for (std::size_t i = 0; i < script.size();) {
        if (script[i].kind == Kind::Same) {
            ++i;
            continue;
        }
        // A hunk: from `context` lines before this change to `context` lines after the last change that
        // lies within twice the context of the one before it.
        std::size_t first = i > context ? i - context : 0;
        std::size_t last = i;
        for (std::size_t j = i; j < script.size() && j <= last + 2 * context + 1; ++j)
            if (script[j].kind != Kind::Same) last = j;
        std::size_t end = std::min(script.size(), last + context + 1);
        std::size_t removed = 0, added = 0, kept = 0;
        for (std::size_t j = first; j < end; ++j)
            script[j].kind == Kind::Removed ? ++removed : script[j].kind == Kind::Added ? ++added : ++kept;
        if (out.empty()) {
            out += "--- " + std::string(beforeName) + "\n+++ " + std::string(afterName) + "\n";
        }
        out += "@@ -" + Range(script[first].before, removed + kept) + " +" + Range(script[first].after, added + kept) +
               " @@\n";
        for (std::size_t j = first; j < end; ++j) {
            const Edit& edit = script[j];
            if (edit.kind == Kind::Same) AppendLine(out, ' ', a[edit.before]);
            else if (edit.kind == Kind::Removed) AppendLine(out, '-', a[edit.before]);
            else AppendLine(out, '+', b[edit.after]);
        }
        i = end;
    }
    return out;
}

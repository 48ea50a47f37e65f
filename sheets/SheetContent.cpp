#include "sheets/SheetContent.h"

namespace tv::sheet {

std::vector<Run> splitRuns(std::u16string_view text, Style base)
{
    std::vector<Run> runs;
    size_t from = 0;
    while (from < text.size()) {
        size_t open = text.find(u"{s", from);
        // "{s", one or two digits, ':', the phrase, '}'
        size_t colon = std::u16string_view::npos, close = std::u16string_view::npos;
        int style = 0;
        while (open != std::u16string_view::npos) {
            size_t p = open + 2;
            style = 0;
            int digits = 0;
            while (p < text.size() && digits < 2 && text[p] >= u'0' && text[p] <= u'9') {
                style = style * 10 + (text[p] - u'0');
                ++p;
                ++digits;
            }
            if (digits > 0 && p < text.size() && text[p] == u':') {
                colon = p;
                close = text.find(u'}', colon + 1);
                if (close != std::u16string_view::npos)
                    break;
            }
            open = text.find(u"{s", open + 2);
        }
        if (open == std::u16string_view::npos) {
            runs.push_back({text.substr(from), static_cast<int>(base)});
            break;
        }
        if (open > from)
            runs.push_back({text.substr(from, open - from), static_cast<int>(base)});
        runs.push_back({text.substr(colon + 1, close - colon - 1), style});
        from = close + 1;
    }
    return runs;
}

} // namespace tv::sheet

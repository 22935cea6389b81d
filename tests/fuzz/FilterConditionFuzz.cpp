// Fuzz target of the filter condition language: the input is an expression, a line break and a cell text.
// Matching either answers, in both case modes, or refuses a too deeply nested expression with its message;
// any other exception or a crash is a fault.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "grid/base/VoUtil/VoUtilFilter.h"
#include "platform/SysUtils.h"

namespace {

void match(const QString& expression, const QString& cell, bool caseSensitive)
{
    try {
        MatchFilterExpression(expression, cell, caseSensitive);
    } catch (const Exception& e) {
        if (e.Message() != QStringLiteral("Filter condition nested too deeply"))
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype cut = input.indexOf('\n');
    const QString expression = cut < 0 ? input : input.left(cut);
    const QString cell = cut < 0 ? QString() : input.mid(cut + 1);
    match(expression, cell, true);
    match(expression, cell, false);
    return 0;
}

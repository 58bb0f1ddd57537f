#include "reports/UXlsxLibrary.h"

#include "reports/UWorkbook.h"

#include <QLibrary>
#include <type_traits>

namespace {

constexpr int kLibraryVersion = 4;

TXlsxLibrary Opened() {
    QLibrary file(QStringLiteral("xlsxwriter"), kLibraryVersion);
    if (!file.load())
        throw EWorkbookError(QStringLiteral("не удалось открыть библиотеку libxlsxwriter (%1)")
                                 .arg(file.errorString()));
    TXlsxLibrary library;
    const auto resolve = [&file](auto& function, const char* name) {
        function =
            reinterpret_cast<std::remove_reference_t<decltype(function)>>(file.resolve(name));
        if (!function)
            throw EWorkbookError(QStringLiteral("в библиотеке libxlsxwriter нет функции %1")
                                     .arg(QLatin1String(name)));
    };
#define EDOMER_XLSX_RESOLVE(name) resolve(library.name, #name);
    EDOMER_XLSX_FUNCTIONS(EDOMER_XLSX_RESOLVE)
#undef EDOMER_XLSX_RESOLVE
    return library;
}

} // namespace

const TXlsxLibrary& Xlsx() {
    // A failed opening throws out of the initialisation, so the next workbook tries again.
    static const TXlsxLibrary library = Opened();
    return library;
}

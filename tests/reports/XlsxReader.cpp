#include "tests/reports/XlsxReader.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>
#include <vector>
#include <zip.h>

QString TXlsxCell::Borders() const {
    return QString() + (left ? 'l' : '-') + (top ? 't' : '-') + (right ? 'r' : '-') +
           (bottom ? 'b' : '-');
}

TXlsxCell TXlsxSheet::Cell(const QString& address) const {
    const auto found = cells.find(address);
    return found == cells.end() ? TXlsxCell() : found->second;
}

namespace {

QByteArray ZipEntry(zip_t* archive, const char* name) {
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) != 0)
        return {};
    zip_file_t* file = zip_fopen(archive, name, 0);
    if (!file)
        return {};
    QByteArray data(qsizetype(stat.size), '\0');
    const zip_int64_t read = zip_fread(file, data.data(), stat.size);
    zip_fclose(file);
    return read == zip_int64_t(stat.size) ? data : QByteArray();
}

struct TFont {
    bool bold = false;
    QString color;
};

struct TBorder {
    bool left = false, top = false, right = false, bottom = false;
};

struct TXf {
    int numFmt = 0, font = 0, fill = 0, border = 0;
};

struct TStyles {
    std::map<int, QString> numFmts;
    std::vector<TFont> fonts;
    std::vector<QString> fills;
    std::vector<TBorder> borders;
    std::vector<TXf> xfs;
};

QString Rgb(const QXmlStreamAttributes& attributes) {
    return attributes.value(QStringLiteral("rgb")).toString().right(6);
}

TStyles ReadStyles(const QByteArray& xml) {
    TStyles styles;
    QXmlStreamReader reader(xml);
    QString section; // fonts, fills, borders, cellXfs or another list of styles.xml
    QString pattern;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const QString name = reader.name().toString();
        const QXmlStreamAttributes a = reader.attributes();
        static const QStringList sections = {
            QStringLiteral("numFmts"),    QStringLiteral("fonts"),        QStringLiteral("fills"),
            QStringLiteral("borders"),    QStringLiteral("cellStyleXfs"), QStringLiteral("cellXfs"),
            QStringLiteral("cellStyles"), QStringLiteral("dxfs")};
        if (sections.contains(name))
            section = name;
        if (name == QStringLiteral("numFmt"))
            styles.numFmts[a.value(QStringLiteral("numFmtId")).toInt()] =
                a.value(QStringLiteral("formatCode")).toString();
        else if (section == QStringLiteral("fonts") && name == QStringLiteral("font"))
            styles.fonts.emplace_back();
        else if (section == QStringLiteral("fonts") && name == QStringLiteral("b"))
            styles.fonts.back().bold = true;
        else if (section == QStringLiteral("fonts") && name == QStringLiteral("color"))
            styles.fonts.back().color = Rgb(a);
        else if (section == QStringLiteral("fills") && name == QStringLiteral("fill"))
            styles.fills.emplace_back();
        else if (section == QStringLiteral("fills") && name == QStringLiteral("patternFill"))
            pattern = a.value(QStringLiteral("patternType")).toString();
        else if (section == QStringLiteral("fills") && name == QStringLiteral("fgColor") &&
                 pattern == QStringLiteral("solid"))
            styles.fills.back() = Rgb(a);
        else if (section == QStringLiteral("borders") && name == QStringLiteral("border"))
            styles.borders.emplace_back();
        else if (section == QStringLiteral("borders") &&
                 a.value(QStringLiteral("style")) == QStringLiteral("thin")) {
            TBorder& b = styles.borders.back();
            b.left = b.left || name == QStringLiteral("left");
            b.top = b.top || name == QStringLiteral("top");
            b.right = b.right || name == QStringLiteral("right");
            b.bottom = b.bottom || name == QStringLiteral("bottom");
        } else if (section == QStringLiteral("cellXfs") && name == QStringLiteral("xf"))
            styles.xfs.push_back({a.value(QStringLiteral("numFmtId")).toInt(),
                                  a.value(QStringLiteral("fontId")).toInt(),
                                  a.value(QStringLiteral("fillId")).toInt(),
                                  a.value(QStringLiteral("borderId")).toInt()});
    }
    return styles;
}

std::vector<QString> ReadSharedStrings(const QByteArray& xml) {
    std::vector<QString> strings;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QStringLiteral("si"))
            strings.emplace_back();
        else if (reader.name() == QStringLiteral("t") && !strings.empty())
            strings.back() += reader.readElementText();
    }
    return strings;
}

void ApplyStyle(TXlsxCell& cell, const TStyles& styles, int index) {
    if (index < 0 || size_t(index) >= styles.xfs.size())
        return;
    const TXf& xf = styles.xfs[size_t(index)];
    const auto format = styles.numFmts.find(xf.numFmt);
    cell.numberFormat = format != styles.numFmts.end() ? format->second
                        : xf.numFmt == 0               ? QStringLiteral("General")
                                                       : QString::number(xf.numFmt);
    if (size_t(xf.font) < styles.fonts.size()) {
        cell.bold = styles.fonts[size_t(xf.font)].bold;
        cell.fontColor = styles.fonts[size_t(xf.font)].color;
    }
    if (size_t(xf.fill) < styles.fills.size())
        cell.fill = styles.fills[size_t(xf.fill)];
    if (size_t(xf.border) < styles.borders.size()) {
        const TBorder& b = styles.borders[size_t(xf.border)];
        cell.left = b.left;
        cell.top = b.top;
        cell.right = b.right;
        cell.bottom = b.bottom;
    }
}

void ReadSheet(const QByteArray& xml, const TStyles& styles, const std::vector<QString>& strings,
               TXlsxSheet& sheet) {
    QXmlStreamReader reader(xml);
    TXlsxCell* cell = nullptr;
    QString type;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes a = reader.attributes();
        if (reader.name() == QStringLiteral("col")) {
            for (int c = a.value(QStringLiteral("min")).toInt();
                 c <= a.value(QStringLiteral("max")).toInt(); ++c)
                sheet.columnWidths[c] = a.value(QStringLiteral("width")).toDouble();
        } else if (reader.name() == QStringLiteral("c")) {
            cell = &sheet.cells[a.value(QStringLiteral("r")).toString()];
            cell->exists = true;
            cell->numberFormat = QStringLiteral("General");
            type = a.value(QStringLiteral("t")).toString();
            ApplyStyle(*cell, styles, a.value(QStringLiteral("s")).toInt());
        } else if (reader.name() == QStringLiteral("v") && cell) {
            const QString v = reader.readElementText();
            if (type == QStringLiteral("s"))
                cell->text = strings.at(size_t(v.toInt()));
            else
                cell->number = v.toDouble();
        }
    }
}

// The first capture of the pattern in the part, empty without a match.
QString Captured(const QByteArray& xml, const char* pattern) {
    return QRegularExpression(QString::fromLatin1(pattern),
                              QRegularExpression::DotMatchesEverythingOption)
        .match(QString::fromUtf8(xml))
        .captured(1);
}

TXlsxChart ReadChart(const QByteArray& xml) {
    TXlsxChart chart;
    chart.kind = Captured(xml, "<c:(\\w+Chart)>");
    chart.title = Captured(xml, "<c:title>.*?<a:t>(.*?)</a:t>");
    chart.categories = Captured(xml, "<c:cat>.*?<c:f>(.*?)</c:f>");
    chart.values = Captured(xml, "<c:val>.*?<c:f>(.*?)</c:f>");
    chart.labelFormat = Captured(xml, "<c:dLbls><c:numFmt formatCode=\"(.*?)\"");
    return chart;
}

} // namespace

TXlsxSheet ReadXlsx(const QString& path, int sheetNumber) {
    TXlsxSheet sheet;
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!archive)
        return sheet;
    const auto part = [archive](const QString& name) {
        return ZipEntry(archive, name.toUtf8().constData());
    };
    const QString sheetPart = QStringLiteral("sheet%1.xml").arg(sheetNumber);
    const QByteArray sheetXml = part(QStringLiteral("xl/worksheets/") + sheetPart);
    const TStyles styles = ReadStyles(ZipEntry(archive, "xl/styles.xml"));
    const std::vector<QString> strings =
        ReadSharedStrings(ZipEntry(archive, "xl/sharedStrings.xml"));
    const QByteArray book = ZipEntry(archive, "xl/workbook.xml");
    const QByteArray local =
        QStringLiteral("localSheetId=\"%1\"[^>]*>(.*?)<").arg(sheetNumber - 1).toUtf8();
    sheet.printArea = Captured(book, ("<definedName name=\"_xlnm.Print_Area\" " + local).data());
    sheet.printTitles =
        Captured(book, ("<definedName name=\"_xlnm.Print_Titles\" " + local).data());
    static const QRegularExpression named(QStringLiteral("<sheet name=\"(.*?)\""));
    for (auto names = named.globalMatch(QString::fromUtf8(book)); names.hasNext();)
        sheet.sheetNames.append(names.next().captured(1));
    // The sheet's drawing names its charts in the order they were added, and anchors them.
    const QString drawing =
        Captured(part(QStringLiteral("xl/worksheets/_rels/") + sheetPart + QStringLiteral(".rels")),
                 "Target=\"../drawings/(drawing\\d+\\.xml)\"");
    if (!drawing.isEmpty()) {
        static const QRegularExpression target(
            QStringLiteral("Target=\"../charts/(chart\\d+\\.xml)\""));
        const QString rels =
            QString::fromUtf8(part(QStringLiteral("xl/drawings/_rels/") + drawing + ".rels"));
        for (auto charts = target.globalMatch(rels); charts.hasNext();)
            sheet.charts.push_back(
                ReadChart(part(QStringLiteral("xl/charts/") + charts.next().captured(1))));
    }
    static const QRegularExpression from(
        QStringLiteral("<xdr:from><xdr:col>(\\d+)</xdr:col>.*?<xdr:row>(\\d+)</xdr:row>"));
    auto anchors =
        from.globalMatch(QString::fromUtf8(part(QStringLiteral("xl/drawings/") + drawing)));
    for (TXlsxChart& chart : sheet.charts) {
        if (!anchors.hasNext())
            break;
        const QRegularExpressionMatch anchor = anchors.next();
        chart.column = anchor.captured(1).toInt();
        chart.row = anchor.captured(2).toInt();
    }
    zip_close(archive);
    sheet.read = !sheetXml.isEmpty();
    ReadSheet(sheetXml, styles, strings, sheet);
    return sheet;
}

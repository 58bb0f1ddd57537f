#pragma once
// The workbook writer's library, opened when the first workbook is written rather than with the
// program: loading it and the cryptography library it brings took a tenth of the start-up.

#include <xlsxwriter.h>

#define EDOMER_XLSX_FUNCTIONS(F)                                                                   \
    F(workbook_new)                                                                                \
    F(workbook_close)                                                                              \
    F(workbook_add_worksheet)                                                                      \
    F(workbook_add_format)                                                                         \
    F(workbook_add_chart)                                                                          \
    F(workbook_define_name)                                                                        \
    F(lxw_workbook_free)                                                                           \
    F(lxw_strerror)                                                                                \
    F(worksheet_write_string)                                                                      \
    F(worksheet_write_number)                                                                      \
    F(worksheet_write_datetime)                                                                    \
    F(worksheet_write_blank)                                                                       \
    F(worksheet_set_column)                                                                        \
    F(worksheet_set_paper)                                                                         \
    F(worksheet_set_landscape)                                                                     \
    F(worksheet_repeat_rows)                                                                       \
    F(worksheet_fit_to_pages)                                                                      \
    F(worksheet_insert_chart_opt)                                                                  \
    F(format_set_bold)                                                                             \
    F(format_set_font_color)                                                                       \
    F(format_set_bg_color)                                                                         \
    F(format_set_pattern)                                                                          \
    F(format_set_num_format)                                                                       \
    F(format_set_top)                                                                              \
    F(format_set_bottom)                                                                           \
    F(format_set_left)                                                                             \
    F(format_set_right)                                                                            \
    F(chart_add_series)                                                                            \
    F(chart_title_set_name)                                                                        \
    F(chart_title_set_name_font)                                                                   \
    F(chart_legend_set_position)                                                                   \
    F(chart_show_blanks_as)                                                                        \
    F(chart_axis_set_name)                                                                         \
    F(chart_axis_set_num_format)                                                                   \
    F(chart_series_set_name)                                                                       \
    F(chart_series_set_marker_type)                                                                \
    F(chart_series_set_marker_size)                                                                \
    F(chart_series_set_labels)                                                                     \
    F(chart_series_set_labels_options)                                                             \
    F(chart_series_set_labels_separator)                                                           \
    F(chart_series_set_labels_position)                                                            \
    F(chart_series_set_labels_num_format)

// The library's functions that the workbook layer calls, under their own names.
struct TXlsxLibrary {
#define EDOMER_XLSX_POINTER(name) decltype(&::name) name = nullptr;
    EDOMER_XLSX_FUNCTIONS(EDOMER_XLSX_POINTER)
#undef EDOMER_XLSX_POINTER
};

// Opens the library on the first call; throws EWorkbookError when it or a function is missing.
const TXlsxLibrary& Xlsx();

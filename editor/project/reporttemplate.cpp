#include "editor/project/reporttemplate.h"

#include <system_error>

#include "app/datafolder.h"

bool ReportTemplateExists()
{
    std::error_code ec;
    return std::filesystem::is_regular_file(DataFolder() / "vireohtml.dat", ec);
}

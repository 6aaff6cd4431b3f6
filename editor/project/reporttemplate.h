// Whether the report template ("vireohtml.dat") lies in the data folder:
// the dialogs offer HTML output only then.
#pragma once

bool ReportTemplateExists();

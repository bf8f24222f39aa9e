#include "platform/xlsfile.h"

#include "app/wholefile.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

namespace {

void InitGsf()
{
    static const bool done = [] {
        gsf_init();
        return true;
    }();
    Q_UNUSED(done);
}

QString GsfReason(GsfOutput *output)
{
    const GError *error = gsf_output_error(output);
    return error ? QString::fromUtf8(error->message) : QStringLiteral("libgsf");
}

// The container is built in memory: a few megabytes for the largest record.
bool BuildContainer(GsfOutput *sink, const QByteArray &workbook, QString *error)
{
    GsfOutfile *container = gsf_outfile_msole_new(sink);
    GsfOutput *stream = gsf_outfile_new_child(container, "Workbook", FALSE);
    bool ok = gsf_output_write(stream, gsize(workbook.size()),
                               reinterpret_cast<const guint8 *>(workbook.constData()));
    ok = gsf_output_close(stream) && ok;
    if (!ok)
        *error = GsfReason(stream);
    const bool closed = gsf_output_close(GSF_OUTPUT(container));
    if (ok && !closed)
        *error = GsfReason(GSF_OUTPUT(container));
    g_object_unref(stream);
    g_object_unref(container);
    return ok && closed;
}

} // namespace

bool WriteXlsFile(const QString &path, const QByteArray &workbook, QString *error)
{
    InitGsf();
    GsfOutput *sink = gsf_output_memory_new();
    bool ok = BuildContainer(sink, workbook, error);
    if (ok) {
        const auto *bytes = reinterpret_cast<const char *>(
            gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink)));
        ok = WriteWholeFile(path, QByteArray::fromRawData(bytes, int(gsf_output_size(sink))), error);
    }
    if (!gsf_output_is_closed(sink))   // the container closes it when done
        gsf_output_close(sink);
    g_object_unref(sink);
    return ok;
}

bool CanWriteXlsFile(const QString &path, QString *error)
{
    // Opening makes the temporary file beside the target that the final
    // write will use; it goes away with the writer.
    WholeFileWriter probe(path);
    if (probe.Open())
        return true;
    *error = probe.ErrorString();
    return false;
}

#include "exercise/EditedChart.h"

#include "model/VarnelError.h"
#include "project/Project.h"
#include "project/ProjectFileWriter.h"

EditedChart EditedChart::of(const Project &project)
{
    EditedChart chart{project.projectPath(), {}};
    try {
        chart.bytes = ProjectFileWriter::serialize(project.theBlockCollection(), project.theLineCollection());
    } catch (const VarnelError &) {
        // A block without a picture cannot be written; the copy stays empty and fails to load.
    }
    return chart;
}

#include "editor/rules/button_edit_request.h"

#include "model/project_fields.h"

namespace orv::editor {

void CopyPictureGallerySettings(const MenuProject& from, MenuProject& to)
{
    for (const ProjectField& field : ProjectFields())
        if (field.section == ProjectSection::PictureGallery)
            CopyFieldValue(field, from, to);
}

}  // namespace orv::editor

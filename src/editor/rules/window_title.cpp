#include "editor/rules/window_title.h"

#include "product/product.h"

namespace orv::editor {

std::string EditorWindowTitle(const MenuProject& project)
{
    return std::string(ProductName) + ProjectTypeMarker(project.ProjectType) + " - [" + project.fileTitle() + "]";
}

}  // namespace orv::editor

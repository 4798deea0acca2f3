#pragma once

// The open graph and its graph file: which field of the file each value of
// the document is kept in. Both directions, so that a document written and
// read back is the same document.

#include "document/graph_document.h"
#include "persistence/graph_file.h"

namespace qv {

// Everything of the document a graph file keeps.
GraphFile graphFileOf(const GraphDocument& doc);

// The file's values into the document. What the file does not keep (the
// path, the saved flag, the view as numbers, the marks) is left as it was;
// a choice the file leaves without any option chosen keeps the document's.
void readGraphFileInto(const GraphFile& file, GraphDocument& doc);

}  // namespace qv

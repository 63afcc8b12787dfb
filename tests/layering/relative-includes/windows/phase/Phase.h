// A sibling window folder's header.

// What every window folder may share.

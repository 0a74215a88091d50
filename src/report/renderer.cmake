# paged renderer

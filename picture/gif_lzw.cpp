// GIF's variable-width LZW; not written yet.

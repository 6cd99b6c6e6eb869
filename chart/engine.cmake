# Panel, axes, walls, titles and the series base: target_sources(pikutora_chart PRIVATE ...)

# Canvas sources: target_sources(pikutora_chart PRIVATE ...)
